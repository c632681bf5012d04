#include "state_folder.h"

#include <fcntl.h>
#include <json/reader.h>
#include <json/writer.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace devsim {
namespace {

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

StateFolder::StateFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    std::filesystem::create_directories(folder_);
}

bool StateFolder::Write(const std::string& name, const Json::Value& document) const {
    static std::atomic<unsigned> counter{0};
    Json::StreamWriterBuilder builder;
    builder["indentation"] = " ";
    const std::string text = Json::writeString(builder, document) + "\n";
    const std::filesystem::path target = folder_ / name;
    const std::filesystem::path temp = folder_ / ("." + name + ".tmp" + std::to_string(::getpid()) +
                                                  "." + std::to_string(counter++));

    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    ::close(fd);
    if (!written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

std::optional<Json::Value> StateFolder::Read(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value document;
    if (!reader->parse(text.data(), text.data() + text.size(), &document, nullptr)) {
        return std::nullopt;
    }
    return document;
}

}  // namespace devsim
