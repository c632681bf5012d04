// The installed host runs this against the installed simulator: the control
// it created logs in and reads the device's configuration.
if (!control.SetLanguage("english")) {
    throw new Error("SetLanguage failed");
}
if (!control.SetDeviceLoginInfo(host.device, host.user, host.password, 1)) {
    throw new Error("the control did not log into " + host.device);
}
const config = control.GetConfig(host.device, host.user, host.password);
if (config.indexOf("{") < 0) {
    throw new Error("the control read no configuration: " + config);
}
