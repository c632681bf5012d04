// An uncaught throw of a plain value also ends vexo-host with 2 and its line.
control.Destroy();

throw "plain text";
