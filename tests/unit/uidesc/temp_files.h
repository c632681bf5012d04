#pragma once
// Files written for one test in a folder of its own.

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "qstring_print.h"

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vexo-uidesc-XXXXXX");
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }
    QString Write(const std::string& name, const std::string& content) const {
        const std::string file = path_ + "/" + name;
        std::ofstream(file, std::ios::binary) << content;
        return QString::fromStdString(file);
    }

private:
    std::string path_;
};
