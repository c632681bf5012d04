// embed-host ADDRESS USER: a window with the smart-function control logged
// into the device at ADDRESS (the password in $VEXO_PASSWORD). With
// --quit it prints the device's scene count and analytics configuration
// size and ends instead of showing the window until it is closed.
#include <vexo/embed.h>

#include <QApplication>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool quit = argc == 4 && std::strcmp(argv[3], "--quit") == 0;
    if (argc != 3 && !quit) {
        std::fprintf(stderr, "usage: embed-host ADDRESS USER [--quit]\n");
        return 2;
    }
    const QString address = QString::fromLocal8Bit(argv[1]);
    const QString user = QString::fromLocal8Bit(argv[2]);
    const QString password = qEnvironmentVariable("VEXO_PASSWORD");

    QWidget window;
    window.resize(1280, 800);
    QString error;
    const auto control = vexo::embed::Control::Create(&window, error);
    if (!control) {
        std::fprintf(stderr, "embed-host: %s\n", qPrintable(error));
        return 1;
    }
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control->Widget());
    window.show();

    QVariant result;
    if (!control->Call("SetLanguage", {QStringLiteral("english")}, result, error) ||
        !control->Call("SetDeviceLoginInfo", {address, user, password, 1}, result, error)) {
        std::fprintf(stderr, "embed-host: %s\n", qPrintable(error));
        return 1;
    }
    if (!result.toBool()) {
        std::fprintf(stderr, "embed-host: the control could not log into %s\n",
                     qPrintable(address));
        return 1;
    }
    if (!quit) {
        return app.exec();
    }
    QVariant scenes;
    QVariant config;
    if (!control->Call("GetCurSmartSceneNum", {}, scenes, error) ||
        !control->Call("GetConfig", {address, user, password}, config, error)) {
        std::fprintf(stderr, "embed-host: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("logged in; current scene %d; configuration of %lld characters\n", scenes.toInt(),
                static_cast<long long>(config.toString().size()));
    return config.toString().isEmpty() ? 1 : 0;
}
