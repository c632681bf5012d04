#pragma once
// The component registry: what the system registry holds for in-process
// component servers, kept in one JSON file of the user's configuration
// ($VEXO_REGISTRY, else $XDG_CONFIG_HOME/vexo/components.json, else
// ~/.config/vexo/components.json). It records type libraries, classes
// (CLSID, ProgID, module path, flags, miscellaneous status) and component
// categories (descriptions per locale, class membership).
//
// Every change reads the file, applies one step and writes it back
// atomically (a temporary file renamed over the old one), so a crash never
// leaves half a registry. A file that cannot be read as a registry (bad JSON,
// wrong types, too large) is reported as REGDB_E_CORRUPT and never
// overwritten; a file that cannot be written gives REGDB_E_WRITEREGDB.
// LastError() explains the latest failure in words. One writer at a time is
// assumed, as registration tools run one after the other.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hresult.h"

namespace vexo {

struct TypeLibEntry {
    std::string libId;  // "{...}"
    int major = 1;
    int minor = 0;
    std::string name;
    std::string path;  // the module holding it
};

struct ClassEntry {
    std::string clsid;  // "{...}"
    std::string progId;
    std::string typeName;
    std::string modulePath;
    std::string threadingModel = "Apartment";
    bool insertable = false;
    bool control = false;
    std::uint32_t miscStatus = 0;
    std::string typeLibId;
    int toolboxBitmap = 0;
    // Filled when reading: the categories the class is registered in.
    std::vector<std::string> categories;
};

struct CategoryInfo {
    std::string catId;
    std::uint32_t locale = 0x409;
    std::string description;  // cut to 127 characters when stored
};

class ComponentRegistry {
public:
    explicit ComponentRegistry(std::string path = DefaultPath());
    virtual ~ComponentRegistry() = default;

    // $VEXO_REGISTRY, else the file in the user's configuration folder.
    static std::string DefaultPath();
    // The machine's registry, written by the package manager when it installs
    // a module: $VEXO_SYSTEM_REGISTRY, else /var/lib/vexo/components.json. Hosts read it after the
    // user's, as the machine's classes stand behind the user's own.
    static std::string SystemPath();
    const std::string& Path() const { return m_path; }

    virtual HRESULT RegisterTypeLib(const TypeLibEntry& entry);
    virtual HRESULT UnregisterTypeLib(const std::string& libId, int major, int minor);
    virtual HRESULT RegisterClass(const ClassEntry& entry);
    // The changes are virtual so that a test can fail any one step.
    // Removes the class and its ProgID; a class that is not there is S_OK.
    virtual HRESULT UnregisterClass(const std::string& clsid);
    // The category calls: removing what is not there succeeds.
    virtual HRESULT RegisterCategories(const std::vector<CategoryInfo>& categories);
    virtual HRESULT RegisterClassImplCategories(const std::string& clsid,
                                                const std::vector<std::string>& catIds);
    virtual HRESULT UnRegisterClassImplCategories(const std::string& clsid,
                                                  const std::vector<std::string>& catIds);

    // Look-ups: REGDB_E_CLASSNOTREG when absent.
    HRESULT FindClass(const std::string& clsid, ClassEntry& entry) const;
    HRESULT FindClassByProgId(const std::string& progId, ClassEntry& entry) const;
    HRESULT FindTypeLib(const std::string& libId, int major, int minor, TypeLibEntry& entry) const;
    // The category's description in `locale`; empty when none.
    std::optional<std::string> CategoryDescription(const std::string& catId,
                                                   std::uint32_t locale) const;

    const std::string& LastError() const { return m_lastError; }

    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;
    static constexpr std::size_t kMaxDescriptionCharacters = 127;

private:
    struct Data;
    HRESULT Load(Data& data) const;
    HRESULT Save(const Data& data) const;
    template <typename Change>
    HRESULT Modify(Change&& change);

    std::string m_path;
    mutable std::string m_lastError;
};

// The first `count` characters of UTF-8 `text` (never a cut character).
std::string CutUtf8(const std::string& text, std::size_t count);

}  // namespace vexo
