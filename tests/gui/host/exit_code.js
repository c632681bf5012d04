// host.exit ends the script and the program with the given code.
control.Destroy();
host.exit(5);
