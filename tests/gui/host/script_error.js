// A script error ends vexo-host with 2, naming the line.
control.SetLanguage("english");
control.SetDeviceLoginInfo("only one argument");
