// A crash on purpose: the module's crash handler writes its dump and ends
// the program with 18.
host.crashForTest();
