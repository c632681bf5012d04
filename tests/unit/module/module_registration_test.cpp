// Registering and unregistering the module: the order of the steps (seen
// through the first failing step's code) and the start-up language. What
// ends up in the registry and goes again, and an unwritable registry, are
// regsvr_test.sh's (tests/unit/regsvr); the control's safe-for-scripting
// category and the page's lack of it are checked by vexo-host on every
// host script (tests/gui/host: not_safe_for_scripting, skeleton_api).
#include <gtest/gtest.h>

#include "component_registry.h"
#include "module_registration.h"
#include "temp_folder.h"
#include "vexo_smart_ocx_app.h"

namespace {

namespace module = vexo::module;

// A registry whose change number `failAt` (counted from 0) fails.
class FailingRegistry : public vexo::ComponentRegistry {
public:
    FailingRegistry(const std::string& path, int failAt)
        : ComponentRegistry(path), m_failAt(failAt) {}
    static constexpr vexo::HRESULT kInjected = vexo::MakeHResult(0x80070005u);
    int calls = 0;

    vexo::HRESULT RegisterTypeLib(const vexo::TypeLibEntry& entry) override {
        return Step() ? kInjected : ComponentRegistry::RegisterTypeLib(entry);
    }
    vexo::HRESULT UnregisterTypeLib(const std::string& id, int major, int minor) override {
        return Step() ? kInjected : ComponentRegistry::UnregisterTypeLib(id, major, minor);
    }
    vexo::HRESULT RegisterClass(const vexo::ClassEntry& entry) override {
        return Step() ? kInjected : ComponentRegistry::RegisterClass(entry);
    }
    vexo::HRESULT UnregisterClass(const std::string& clsid) override {
        return Step() ? kInjected : ComponentRegistry::UnregisterClass(clsid);
    }
    vexo::HRESULT RegisterCategories(const std::vector<vexo::CategoryInfo>& list) override {
        return Step() ? kInjected : ComponentRegistry::RegisterCategories(list);
    }
    vexo::HRESULT RegisterClassImplCategories(const std::string& clsid,
                                              const std::vector<std::string>& ids) override {
        return Step() ? kInjected : ComponentRegistry::RegisterClassImplCategories(clsid, ids);
    }
    vexo::HRESULT UnRegisterClassImplCategories(const std::string& clsid,
                                                const std::vector<std::string>& ids) override {
        return Step() ? kInjected : ComponentRegistry::UnRegisterClassImplCategories(clsid, ids);
    }

private:
    bool Step() { return calls++ == m_failAt; }
    int m_failAt;
};

TEST(ModuleRegistration, EachStepFailsWithItsOwnCodeAndStopsTheRest) {
    const std::string folder = vexo::test::MakeTempFolder("module");
    constexpr vexo::HRESULT kInjected = FailingRegistry::kInjected;
    // Type library, control class, page class, category + membership twice.
    std::vector<vexo::HRESULT> registering{vexo::SELFREG_E_TYPELIB, vexo::SELFREG_E_CLASS,
                                           vexo::SELFREG_E_CLASS};
    registering.resize(7, kInjected);
    for (int failAt = 0; failAt < static_cast<int>(registering.size()); ++failAt) {
        FailingRegistry registry(folder + "/r" + std::to_string(failAt) + ".json", failAt);
        EXPECT_EQ(module::RegisterServer(registry, "/opt/m.so"), registering[failAt]) << failAt;
        EXPECT_EQ(registry.calls, failAt + 1);
    }
    // Out of both categories, type library, control class, page class.
    const std::vector<vexo::HRESULT> unregistering{kInjected, kInjected, vexo::SELFREG_E_TYPELIB,
                                                   vexo::SELFREG_E_CLASS, vexo::SELFREG_E_CLASS};
    for (int failAt = 0; failAt < static_cast<int>(unregistering.size()); ++failAt) {
        FailingRegistry registry(folder + "/u" + std::to_string(failAt) + ".json", failAt);
        EXPECT_EQ(module::UnregisterServer(registry), unregistering[failAt]) << failAt;
        EXPECT_EQ(registry.calls, failAt + 1);
    }
    FailingRegistry complete(folder + "/all.json", -1);
    EXPECT_EQ(module::RegisterServer(complete, "/opt/m.so"), vexo::S_OK);
    EXPECT_EQ(complete.calls, 7);
}

TEST(ModuleStartUp, TheUiLanguageFollowsTheSystemLocale) {
    for (const char* locale : {"zh_CN.UTF-8", "zh_TW"}) {
        EXPECT_EQ(CVexoSmartOcxApp::UiLanguageFor(locale), "chinese") << locale;
    }
    for (const char* locale : {"zh_HK.UTF-8", "en_US.UTF-8", "de_DE", "C", ""}) {
        EXPECT_EQ(CVexoSmartOcxApp::UiLanguageFor(locale), "english") << locale;
    }
    EXPECT_EQ(CVexoSmartOcxApp::LanguageAbbreviation("zh_CN"), "chs");
    EXPECT_EQ(CVexoSmartOcxApp::LanguageAbbreviation("zh_TW.Big5"), "cht");
    EXPECT_EQ(CVexoSmartOcxApp::LanguageAbbreviation("en_GB"), "eng");
    EXPECT_EQ(CVexoSmartOcxApp::LanguageAbbreviation("fr_FR"), "");
}

}  // namespace
