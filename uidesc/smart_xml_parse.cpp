#include "smart_xml_parse.h"

#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "com_str.h"
#include "description_files.h"
#include "device_error_display.h"
#include "module_directory.h"
#include "narrow_text.h"

CSmartXmlParse::CSmartXmlParse() = default;
CSmartXmlParse::~CSmartXmlParse() = default;

void CSmartXmlParse::AttachChannel(std::unique_ptr<DeviceCommandChannel> channel) {
    channel_ = std::move(channel);
    LoadLocalisation();
}

std::string CSmartXmlParse::DescriptionFolder() const {
    return vexo::DescriptionFolder(moduleDirectory_.empty()
                                       ? vexo::DeviceCacheDirectory(vexo::ToNarrow(deviceAddress_))
                                       : moduleDirectory_);
}

bool CSmartXmlParse::FetchDescriptionFiles() {
    std::map<QString, QString> files;  // by name, so visited in name order
    if (channel_) {
        channel_->GetConfigInfo(files);
    }
    const std::string folder = DescriptionFolder();
    for (const auto& [name, address] : files) {
        // A name that would leave the folder is not the device's business.
        if (!vexo::IsSafeDeviceFileName(name)) {
            continue;
        }
        ::mkdir(folder.c_str(), 0755);  // an existing folder is fine
        const std::string path = folder + vexo::ToNarrow(name);
        ::unlink(path.c_str());
        if (!vexo::DownloadFile(vexo::ToNarrow(address), path, downloadLimits_).Ok()) {
            continue;
        }
        if (name == QLatin1String(vexo::kUiDescriptionFileName)) {
            uiPath_ = vexo::FromNarrow(path);
        } else if (name == QLatin1String(vexo::kLocalisationFileName)) {
            langPath_ = vexo::FromNarrow(path);
        }
    }
    LoadLocalisation();
    return true;
}

void CSmartXmlParse::LoadLocalisation() {
    localisation_.Load(vexo::ToNarrow(langPath_));
}

void CSmartXmlParse::GetDisplayText(const QString& identifier, QString& text) const {
    localisation_.DisplayText(vexo::TheComStr().Language(), identifier, text);
}

void CSmartXmlParse::GetIdentifierOfText(const QString& text, QString& identifier) const {
    localisation_.IdentifierOfText(vexo::TheComStr().Language(), text, identifier);
}

bool CSmartXmlParse::ShowDeviceError() const {
    QString errorText;
    if (channel_) {
        // No answer, no device text: the UI thread's action gate tells the
        // operator what happened instead of repeating an older text.
        if (channel_->LastFailure() != vexo::ExchangeFailure::Refused &&
            channel_->LastFailure() != vexo::ExchangeFailure::None) {
            return false;
        }
        channel_->GetLastErrorText(errorText);
    }
    const QString language = vexo::TheComStr().Language();
    if (!errorSubject_.isEmpty() && !errorText.isEmpty()) {
        const QString translated = vexo::TranslateDeviceError(localisation_, language, errorText);
        errorText = vexo::TheComStr().Texts().valueRefused.arg(errorSubject_, translated);
    }
    return vexo::ShowDeviceErrorText(localisation_, language, errorText);
}
