#include "batch_export.h"

#include <QDir>
#include <QFileDialog>
#include <QSaveFile>

#include "dialog_manager.h"
#include "narrow_text.h"

namespace vexo {

QString BatchExportText(const CDialogManager& manager) {
    using Flat = CDialogManager::FlatCache;
    using Nested = CDialogManager::NestedCache;
    DeviceCommandChannel::RecordGroups first;
    first["NonScenes"] = manager.Records(Flat::First);
    first["Modules"] = manager.Records(Flat::Second);

    DeviceCommandChannel::FunctionRecordGroups second;
    const std::pair<const char*, Nested> nested[] = {
        {"Rules", Nested::Third},
        {"Alarms", Nested::Sixth},
        {"SmartLinkMethod", Nested::Fourth},
        {"SmartArmingInterval", Nested::Seventh},
        {"NormalLinkMethod", Nested::Fifth},
        {"NormalArmingInterval", Nested::Eighth},
    };
    for (const auto& [key, cache] : nested) {
        auto& group = second[key];
        for (auto& [funName, records] : manager.Records(cache)) {
            group[funName] = std::move(records);
        }
    }
    QString text;
    DeviceCommandChannel::BuildBatchConfigText(text, first, second);
    return text;
}

QString AskExportPath() {
    // No owner window, as the export has always opened; the Qt dialog
    // rather than the desktop's, so that it behaves alike everywhere.
    QFileDialog dialog(nullptr, QString(), QDir::currentPath(), QStringLiteral("文件 (*.json)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    dialog.selectFile(QString::fromLatin1(kExportFileName));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

bool WriteExportFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const std::string narrow = ToNarrow(text);
    if (file.write(narrow.data(), static_cast<qint64>(narrow.size())) !=
        static_cast<qint64>(narrow.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace vexo
