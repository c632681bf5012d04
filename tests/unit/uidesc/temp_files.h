#pragma once
// Files written for one test in a folder of its own.

#include <QString>
#include <filesystem>
#include <string>

#include "qstring_print.h"
#include "temp_folder.h"

class TempFolder {
public:
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }
    QString Write(const std::string& name, const std::string& content) const {
        return QString::fromStdString(vexo::test::WriteFileText(path_ + "/" + name, content));
    }

private:
    std::string path_ = vexo::test::MakeTempFolder("vexo-uidesc-");
};
