#include "audio_video_play.h"

#include "narrow_text.h"
#include "vexonet.h"

CAudioVideoPlay::CAudioVideoPlay() : overlay_(std::make_unique<vexo::CShowAIConfig>()) {}

CAudioVideoPlay::~CAudioVideoPlay() = default;

QString CAudioVideoPlay::BuildSetupXml(const QString& user, const QString& password) {
    // Four slots, filled user, password, user, password. QString::arg would
    // read "%1" inside a credential as a marker, so the slots are filled by
    // plain concatenation.
    static const char* const kPieces[] = {
        "<Setup>\t<ProtocolList>\t<Protocol>\t\t<Name>onvif</Name>\t\t<UserName>",
        "</UserName>\t\t<PassWord>",
        "</PassWord>\t\t<Port>8000</Port>\t\t<MediaPort>443</MediaPort>\t</Protocol>\t<Protocol>"
        "\t\t<Name>vexonia</Name>\t\t<UserName>",
        "</UserName>\t\t<PassWord>",
        "</PassWord>\t\t<Port>90</Port>\t\t<MediaPort>90</MediaPort>\t</Protocol>\t</ProtocolList>"
        "\t\t<Function>\t\t\t<RealPlay>onvif</RealPlay>\t\t\t<Ptz>vexonia</Ptz>\t\t\t<Web>http</"
        "Web>"
        "\t\t</Function>\t</Setup>"};
    const QString fills[] = {user, password, user, password};
    QString xml = QString::fromLatin1(kPieces[0]);
    for (int i = 0; i < 4; ++i) {
        xml += fills[i];
        xml += QString::fromLatin1(kPieces[i + 1]);
    }
    return xml;
}

bool CAudioVideoPlay::Login(const QString& address, const QString& user, const QString& password) {
    const std::string narrowAddress = vexo::ToNarrow(address);
    const std::string setup = vexo::ToNarrow(BuildSetupXml(user, password));
    loginId_ = VEXONET_LoginEx(narrowAddress.c_str(), setup.c_str());
    return loginId_ >= 0;
}
