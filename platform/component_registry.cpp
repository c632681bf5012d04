#include "component_registry.h"

#include <fcntl.h>
#include <json/reader.h>
#include <json/value.h>
#include <json/writer.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace vexo {

struct ComponentRegistry::Data {
    std::map<std::string, TypeLibEntry> typeLibs;  // key: libId + " " + version
    std::map<std::string, ClassEntry> classes;     // key: CLSID
    std::map<std::string, std::map<std::uint32_t, std::string>> categories;
};

namespace {

constexpr int kFormat = 1;

std::string TypeLibKey(const std::string& libId, int major, int minor) {
    return libId + " " + std::to_string(major) + "." + std::to_string(minor);
}

std::string LocaleKey(std::uint32_t locale) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", locale);
    return text;
}

// Reads the fields of one JSON object, remembering the first problem.
class FieldReader {
public:
    FieldReader(const Json::Value& object, std::string where, std::string& error)
        : m_object(object), m_where(std::move(where)), m_error(error) {
        if (!object.isObject()) {
            Fail("is not an object");
        }
    }

    std::string Text(const char* name, bool required = true) {
        const Json::Value* value = Find(name, required);
        if (!value) {
            return {};
        }
        if (!value->isString()) {
            Fail(std::string("field \"") + name + "\" is not a text");
            return {};
        }
        return value->asString();
    }
    std::int64_t Number(const char* name, std::int64_t low, std::int64_t high) {
        const Json::Value* value = Find(name, false);
        if (!value) {
            return 0;
        }
        if (!value->isIntegral() || value->asLargestInt() < low || value->asLargestInt() > high) {
            Fail(std::string("field \"") + name + "\" is not a whole number in range");
            return 0;
        }
        return value->asLargestInt();
    }
    bool Flag(const char* name) {
        const Json::Value* value = Find(name, false);
        if (value && !value->isBool()) {
            Fail(std::string("field \"") + name + "\" is not true or false");
            return false;
        }
        return value && value->asBool();
    }
    const Json::Value& Array(const char* name) {
        static const Json::Value kEmpty(Json::arrayValue);
        const Json::Value* value = Find(name, false);
        if (!value) {
            return kEmpty;
        }
        if (!value->isArray()) {
            Fail(std::string("field \"") + name + "\" is not a list");
            return kEmpty;
        }
        return *value;
    }
    const Json::Value& Object(const char* name) {
        static const Json::Value kEmpty(Json::objectValue);
        const Json::Value* value = Find(name, false);
        if (!value) {
            return kEmpty;
        }
        if (!value->isObject()) {
            Fail(std::string("field \"") + name + "\" is not an object");
            return kEmpty;
        }
        return *value;
    }
    bool Ok() const { return m_error.empty(); }

private:
    const Json::Value* Find(const char* name, bool required) {
        if (!Ok() || !m_object.isObject()) {
            return nullptr;
        }
        const Json::Value* value = m_object.find(name, name + std::strlen(name));
        if (!value && required) {
            Fail(std::string("field \"") + name + "\" is missing");
        }
        return value;
    }
    void Fail(const std::string& what) {
        if (m_error.empty()) {
            m_error = m_where + " " + what;
        }
    }

    const Json::Value& m_object;
    std::string m_where;
    std::string& m_error;
};

bool ParseVersion(const std::string& text, int& major, int& minor) {
    char tail = 0;
    return std::sscanf(text.c_str(), "%d.%d%c", &major, &minor, &tail) == 2 && major >= 0 &&
           minor >= 0;
}

}  // namespace

std::string CutUtf8(const std::string& text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && characters++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

ComponentRegistry::ComponentRegistry(std::string path) : m_path(std::move(path)) {}

std::string ComponentRegistry::DefaultPath() {
    if (const char* path = std::getenv("VEXO_REGISTRY"); path && path[0]) {
        return path;
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
        return std::string(config) + "/vexo/components.json";
    }
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] == '/' ? home : "/tmp") + "/.config/vexo/components.json";
}

std::string ComponentRegistry::SystemPath() {
    if (const char* path = std::getenv("VEXO_SYSTEM_REGISTRY"); path && path[0]) {
        return path;
    }
    return VEXO_SYSTEM_REGISTRY_PATH;
}

HRESULT ComponentRegistry::Load(Data& data) const {
    data = {};
    struct stat info {};
    if (::stat(m_path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return S_OK;  // no such file: nothing registered yet
        }
        m_lastError = "cannot read the component registry " + m_path + ": " + std::strerror(errno);
        return REGDB_E_READREGDB;
    }
    if (!S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) > kMaxFileBytes) {
        m_lastError = "the component registry " + m_path + " is not a regular file of at most " +
                      std::to_string(kMaxFileBytes) + " bytes";
        return REGDB_E_CORRUPT;
    }
    std::ifstream file(m_path, std::ios::binary);
    if (!file) {
        m_lastError = "cannot read the component registry " + m_path + ": " + std::strerror(errno);
        return REGDB_E_READREGDB;
    }
    std::stringstream text;
    text << file.rdbuf();
    const std::string content = text.str();

    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    builder["stackLimit"] = 64;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string parseError;
    bool parsed = false;
    try {  // jsoncpp throws when the nesting exceeds the stack limit
        parsed = reader->parse(content.data(), content.data() + content.size(), &root, &parseError);
    } catch (const Json::Exception& error) {
        parseError = error.what();
    }
    if (!parsed) {
        m_lastError = "the component registry " + m_path + " is not valid JSON: " + parseError;
        return REGDB_E_CORRUPT;
    }

    std::string error;
    FieldReader top(root, "the registry", error);
    if (top.Number("format", 0, 1000) != kFormat && top.Ok()) {
        error = "the registry has an unknown format (expected " + std::to_string(kFormat) + ")";
    }
    for (const Json::Value& item : top.Array("typeLibraries")) {
        FieldReader fields(item, "a type library", error);
        TypeLibEntry entry;
        entry.libId = fields.Text("libId");
        const std::string version = fields.Text("version");
        entry.name = fields.Text("name", false);
        entry.path = fields.Text("path", false);
        if (fields.Ok() && !ParseVersion(version, entry.major, entry.minor)) {
            error = "a type library has a bad version \"" + version + "\"";
        }
        if (!error.empty()) {
            break;
        }
        data.typeLibs[TypeLibKey(entry.libId, entry.major, entry.minor)] = entry;
    }
    for (const Json::Value& item : top.Array("classes")) {
        FieldReader fields(item, "a class", error);
        ClassEntry entry;
        entry.clsid = fields.Text("clsid");
        entry.progId = fields.Text("progId", false);
        entry.typeName = fields.Text("typeName", false);
        entry.modulePath = fields.Text("module");
        entry.threadingModel = fields.Text("threadingModel", false);
        entry.insertable = fields.Flag("insertable");
        entry.control = fields.Flag("control");
        entry.miscStatus = static_cast<std::uint32_t>(fields.Number("miscStatus", 0, 0xFFFFFFFF));
        entry.typeLibId = fields.Text("typeLib", false);
        entry.toolboxBitmap = static_cast<int>(fields.Number("toolboxBitmap", 0, 65535));
        for (const Json::Value& category : fields.Array("categories")) {
            if (!category.isString()) {
                error = "a class lists a category that is not a text";
                break;
            }
            entry.categories.push_back(category.asString());
        }
        if (!error.empty()) {
            break;
        }
        data.classes[entry.clsid] = entry;
    }
    for (const Json::Value& item : top.Array("categories")) {
        FieldReader fields(item, "a category", error);
        const std::string catId = fields.Text("catId");
        const Json::Value& descriptions = fields.Object("descriptions");
        auto& stored = data.categories[catId];
        for (const std::string& locale : descriptions.getMemberNames()) {
            char* end = nullptr;
            const unsigned long number = std::strtoul(locale.c_str(), &end, 16);
            if (locale.empty() || *end != '\0' || number > 0xFFFFFFFFul ||
                !descriptions[locale].isString()) {
                error = "a category has a bad description for locale \"" + locale + "\"";
                break;
            }
            stored[static_cast<std::uint32_t>(number)] = descriptions[locale].asString();
        }
        if (!error.empty()) {
            break;
        }
    }
    if (!error.empty()) {
        m_lastError = "the component registry " + m_path + " is damaged: " + error;
        data = {};
        return REGDB_E_CORRUPT;
    }
    return S_OK;
}

HRESULT ComponentRegistry::Save(const Data& data) const {
    Json::Value root(Json::objectValue);
    root["format"] = kFormat;
    Json::Value& typeLibs = root["typeLibraries"] = Json::Value(Json::arrayValue);
    for (const auto& [key, entry] : data.typeLibs) {
        Json::Value item;
        item["libId"] = entry.libId;
        item["version"] = std::to_string(entry.major) + "." + std::to_string(entry.minor);
        item["name"] = entry.name;
        item["path"] = entry.path;
        typeLibs.append(item);
    }
    Json::Value& classes = root["classes"] = Json::Value(Json::arrayValue);
    for (const auto& [clsid, entry] : data.classes) {
        Json::Value item;
        item["clsid"] = entry.clsid;
        item["progId"] = entry.progId;
        item["typeName"] = entry.typeName;
        item["module"] = entry.modulePath;
        item["threadingModel"] = entry.threadingModel;
        item["insertable"] = entry.insertable;
        item["control"] = entry.control;
        item["miscStatus"] = entry.miscStatus;
        item["typeLib"] = entry.typeLibId;
        item["toolboxBitmap"] = entry.toolboxBitmap;
        Json::Value& categories = item["categories"] = Json::Value(Json::arrayValue);
        for (const std::string& catId : entry.categories) {
            categories.append(catId);
        }
        classes.append(item);
    }
    Json::Value& categories = root["categories"] = Json::Value(Json::arrayValue);
    for (const auto& [catId, descriptions] : data.categories) {
        Json::Value item;
        item["catId"] = catId;
        Json::Value& texts = item["descriptions"] = Json::Value(Json::objectValue);
        for (const auto& [locale, text] : descriptions) {
            texts[LocaleKey(locale)] = text;
        }
        categories.append(item);
    }
    Json::StreamWriterBuilder writer;
    writer["indentation"] = "  ";
    const std::string text = Json::writeString(writer, root) + "\n";

    const auto fail = [this](const std::string& what) {
        m_lastError = "cannot write the component registry " + m_path + ": " + what + ": " +
                      std::strerror(errno);
        return REGDB_E_WRITEREGDB;
    };
    // Create the folders on the way; a part that is not a folder fails below.
    const std::size_t lastSlash = m_path.rfind('/');
    if (lastSlash != std::string::npos && lastSlash > 0) {
        const std::string folder = m_path.substr(0, lastSlash);
        for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
             slash = folder.find('/', slash + 1)) {
            ::mkdir(folder.substr(0, slash).c_str(), 0700);
        }
        ::mkdir(folder.c_str(), 0700);
    }
    std::string temporary = m_path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return fail("creating a temporary file");
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t step = ::write(fd, text.data() + written, text.size() - written);
        if (step < 0 && errno == EINTR) {
            continue;
        }
        if (step <= 0) {
            ::close(fd);
            ::unlink(temporary.c_str());
            return fail("writing");
        }
        written += static_cast<std::size_t>(step);
    }
    ::fchmod(fd, 0644);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(temporary.c_str());
        return fail("flushing");
    }
    if (::rename(temporary.c_str(), m_path.c_str()) != 0) {
        const HRESULT result = fail("replacing the file");
        ::unlink(temporary.c_str());
        return result;
    }
    // The rename itself survives a power cut only once the folder is flushed.
    const std::string folder = lastSlash == std::string::npos ? "." : m_path.substr(0, lastSlash);
    if (const int folderFd = ::open(folder.empty() ? "/" : folder.c_str(), O_RDONLY | O_DIRECTORY);
        folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return S_OK;
}

template <typename Change>
HRESULT ComponentRegistry::Modify(Change&& change) {
    Data data;
    if (const HRESULT loaded = Load(data); Failed(loaded)) {
        return loaded;
    }
    const HRESULT changed = change(data);
    if (changed != S_OK) {
        return changed == S_FALSE ? S_OK : changed;  // S_FALSE: nothing to write
    }
    return Save(data);
}

HRESULT ComponentRegistry::RegisterTypeLib(const TypeLibEntry& entry) {
    if (entry.libId.empty() || entry.major < 0 || entry.minor < 0) {
        m_lastError = "a type library needs an identifier and a version";
        return E_INVALIDARG;
    }
    return Modify([&](Data& data) {
        data.typeLibs[TypeLibKey(entry.libId, entry.major, entry.minor)] = entry;
        return S_OK;
    });
}

HRESULT ComponentRegistry::UnregisterTypeLib(const std::string& libId, int major, int minor) {
    return Modify([&](Data& data) {
        return data.typeLibs.erase(TypeLibKey(libId, major, minor)) ? S_OK : S_FALSE;
    });
}

HRESULT ComponentRegistry::RegisterClass(const ClassEntry& entry) {
    if (entry.clsid.empty() || entry.modulePath.empty()) {
        m_lastError = "a class needs a CLSID and a module";
        return E_INVALIDARG;
    }
    return Modify([&](Data& data) {
        ClassEntry& stored = data.classes[entry.clsid];
        std::vector<std::string> categories = std::move(stored.categories);
        // One class per ProgID: a re-registration under a new CLSID replaces the old.
        for (auto& [clsid, other] : data.classes) {
            if (clsid != entry.clsid && !entry.progId.empty() && other.progId == entry.progId) {
                other.progId.clear();
            }
        }
        stored = entry;
        stored.categories = std::move(categories);
        return S_OK;
    });
}

HRESULT ComponentRegistry::UnregisterClass(const std::string& clsid) {
    return Modify([&](Data& data) { return data.classes.erase(clsid) ? S_OK : S_FALSE; });
}

HRESULT ComponentRegistry::RegisterCategories(const std::vector<CategoryInfo>& categories) {
    return Modify([&](Data& data) {
        for (const CategoryInfo& category : categories) {
            data.categories[category.catId][category.locale] =
                CutUtf8(category.description, kMaxDescriptionCharacters);
        }
        return S_OK;
    });
}

HRESULT ComponentRegistry::RegisterClassImplCategories(const std::string& clsid,
                                                       const std::vector<std::string>& catIds) {
    return Modify([&](Data& data) {
        const auto found = data.classes.find(clsid);
        if (found == data.classes.end()) {
            m_lastError = "the class " + clsid + " is not registered";
            return REGDB_E_CLASSNOTREG;
        }
        for (const std::string& catId : catIds) {
            auto& list = found->second.categories;
            if (std::find(list.begin(), list.end(), catId) == list.end()) {
                list.push_back(catId);
            }
        }
        return S_OK;
    });
}

HRESULT ComponentRegistry::UnRegisterClassImplCategories(const std::string& clsid,
                                                         const std::vector<std::string>& catIds) {
    return Modify([&](Data& data) {
        const auto found = data.classes.find(clsid);
        if (found == data.classes.end()) {
            return S_FALSE;
        }
        auto& list = found->second.categories;
        const std::size_t before = list.size();
        std::erase_if(list, [&](const std::string& catId) {
            return std::find(catIds.begin(), catIds.end(), catId) != catIds.end();
        });
        return list.size() == before ? S_FALSE : S_OK;
    });
}

HRESULT ComponentRegistry::FindClass(const std::string& clsid, ClassEntry& entry) const {
    Data data;
    if (const HRESULT loaded = Load(data); Failed(loaded)) {
        return loaded;
    }
    const auto found = data.classes.find(clsid);
    if (found == data.classes.end()) {
        m_lastError = "the class " + clsid + " is not registered in " + m_path;
        return REGDB_E_CLASSNOTREG;
    }
    entry = found->second;
    return S_OK;
}

HRESULT ComponentRegistry::FindClassByProgId(const std::string& progId, ClassEntry& entry) const {
    Data data;
    if (const HRESULT loaded = Load(data); Failed(loaded)) {
        return loaded;
    }
    for (const auto& [clsid, stored] : data.classes) {
        if (!progId.empty() && stored.progId == progId) {
            entry = stored;
            return S_OK;
        }
    }
    m_lastError = "the ProgID \"" + progId + "\" is not registered in " + m_path;
    return REGDB_E_CLASSNOTREG;
}

HRESULT ComponentRegistry::FindTypeLib(const std::string& libId, int major, int minor,
                                       TypeLibEntry& entry) const {
    Data data;
    if (const HRESULT loaded = Load(data); Failed(loaded)) {
        return loaded;
    }
    const auto found = data.typeLibs.find(TypeLibKey(libId, major, minor));
    if (found == data.typeLibs.end()) {
        m_lastError = "the type library " + libId + " is not registered in " + m_path;
        return REGDB_E_CLASSNOTREG;
    }
    entry = found->second;
    return S_OK;
}

std::optional<std::string> ComponentRegistry::CategoryDescription(const std::string& catId,
                                                                  std::uint32_t locale) const {
    Data data;
    if (Failed(Load(data))) {
        return std::nullopt;
    }
    const auto category = data.categories.find(catId);
    if (category == data.categories.end()) {
        return std::nullopt;
    }
    const auto text = category->second.find(locale);
    if (text == category->second.end()) {
        return std::nullopt;
    }
    return text->second;
}

}  // namespace vexo
