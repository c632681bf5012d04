// The component registry file: what is registered can be found again and
// removed, damaged or hostile files give a clear error and stay untouched,
// and a registry that cannot be written says so.
#include <gtest/gtest.h>

#include <filesystem>

#include "component_registry.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

vexo::ClassEntry Class(const std::string& clsid, const std::string& progId) {
    vexo::ClassEntry entry;
    entry.clsid = clsid;
    entry.progId = progId;
    entry.modulePath = "/opt/lib" + clsid + ".so";
    entry.miscStatus = 0x20191;
    entry.insertable = true;
    return entry;
}

TEST(ComponentRegistry, RegisteredEntriesAreFoundAndRemoved) {
    const std::string path = vexo::test::MakeTempFolder("registry") + "/deep/er/components.json";
    vexo::ComponentRegistry registry(path);
    vexo::ClassEntry found;
    EXPECT_EQ(registry.FindClassByProgId("A.B.1", found), vexo::REGDB_E_CLASSNOTREG);

    ASSERT_EQ(registry.RegisterTypeLib({"{L}", 1, 0, "Lib", "/opt/lib.so"}), vexo::S_OK);
    ASSERT_EQ(registry.RegisterClass(Class("{A}", "A.B.1")), vexo::S_OK) << registry.LastError();
    const std::string longText(200, 'x');
    ASSERT_EQ(registry.RegisterCategories({{"{C}", 0x409, longText}, {"{C}", 0x804, "类别说明"}}),
              vexo::S_OK);
    ASSERT_EQ(registry.RegisterClassImplCategories("{A}", {"{C}", "{D}"}), vexo::S_OK);
    EXPECT_EQ(registry.RegisterClassImplCategories("{Z}", {"{C}"}), vexo::REGDB_E_CLASSNOTREG);

    // A fresh reader sees the same registry.
    vexo::ComponentRegistry reader(path);
    ASSERT_EQ(reader.FindClassByProgId("A.B.1", found), vexo::S_OK) << reader.LastError();
    EXPECT_EQ(std::tuple(found.clsid, found.modulePath, found.miscStatus, found.insertable),
              std::tuple("{A}", "/opt/lib{A}.so", 0x20191u, true));
    EXPECT_EQ(found.categories, (std::vector<std::string>{"{C}", "{D}"}));
    EXPECT_EQ(reader.CategoryDescription("{C}", 0x409), std::string(127, 'x'));
    EXPECT_EQ(reader.CategoryDescription("{C}", 0x804), "类别说明");
    vexo::TypeLibEntry typeLib;
    EXPECT_EQ(reader.FindTypeLib("{L}", 1, 0, typeLib), vexo::S_OK);

    // A new class under the same ProgID takes it over.
    ASSERT_EQ(registry.RegisterClass(Class("{B}", "A.B.1")), vexo::S_OK);
    ASSERT_EQ(reader.FindClassByProgId("A.B.1", found), vexo::S_OK);
    EXPECT_EQ(found.clsid, "{B}");

    ASSERT_EQ(registry.UnRegisterClassImplCategories("{A}", {"{C}"}), vexo::S_OK);
    ASSERT_EQ(reader.FindClass("{A}", found), vexo::S_OK);
    EXPECT_EQ(found.categories, std::vector<std::string>{"{D}"});
    ASSERT_EQ(registry.UnregisterClass("{A}"), vexo::S_OK);
    ASSERT_EQ(registry.UnregisterTypeLib("{L}", 1, 0), vexo::S_OK);
    EXPECT_EQ(reader.FindClass("{A}", found), vexo::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(reader.FindTypeLib("{L}", 1, 0, typeLib), vexo::REGDB_E_CLASSNOTREG);
    // Removing what is gone succeeds.
    EXPECT_EQ(registry.UnregisterClass("{A}"), vexo::S_OK);
    EXPECT_EQ(registry.UnRegisterClassImplCategories("{A}", {"{C}"}), vexo::S_OK);
    // Nothing but the registry is left in its folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path).parent_path()),
                            fs::directory_iterator()),
              1);
}

TEST(ComponentRegistry, DamagedFilesAreReportedAndLeftAlone) {
    const std::string folder = vexo::test::MakeTempFolder("registry");
    const std::string huge = "{\"format\":1,\"pad\":\"" + std::string(5 << 20, 'a') + "\"}";
    const std::vector<std::string> damaged{
        "not json",
        "[1, 2]",
        R"({"format": 99})",
        R"({"format": 1, "classes": {"clsid": "{A}"}})",
        R"({"format": 1, "classes": [{"clsid": 7, "module": "/x.so"}]})",
        R"({"format": 1, "classes": [{"clsid": "{A}"}]})",
        R"({"format": 1, "classes": [{"clsid": "{A}", "module": "m", "miscStatus": -1}]})",
        R"({"format": 1, "typeLibraries": [{"libId": "{L}", "version": "one"}]})",
        R"({"format": 1, "categories": [{"catId": "{C}", "descriptions": {"zz": "x"}}]})",
        std::string(100000, '['),
        huge,
    };
    for (const std::string& text : damaged) {
        const std::string path = folder + "/components.json";
        vexo::test::WriteFileText(path, text);
        vexo::ComponentRegistry registry(path);
        vexo::ClassEntry found;
        EXPECT_EQ(registry.FindClassByProgId("A.B.1", found), vexo::REGDB_E_CORRUPT)
            << text.substr(0, 80);
        EXPECT_NE(registry.LastError().find(path), std::string::npos) << registry.LastError();
        EXPECT_EQ(registry.RegisterClass(Class("{A}", "A.B.1")), vexo::REGDB_E_CORRUPT);
        EXPECT_EQ(vexo::test::ReadFileText(path), text);
    }
}

TEST(ComponentRegistry, AFileThatCannotBeWrittenGivesWriteErrors) {
    const std::string folder = vexo::test::MakeTempFolder("registry");
    vexo::test::WriteFileText(folder + "/plain-file", "x");
    // The registry's folder would have to be a regular file: no write can
    // work, whoever runs the test; the look-ups find nothing.
    vexo::ComponentRegistry registry(folder + "/plain-file/components.json");
    EXPECT_EQ(registry.RegisterTypeLib({"{L}", 1, 0, "Lib", "/x.so"}), vexo::REGDB_E_WRITEREGDB);
    EXPECT_NE(registry.LastError().find("cannot write"), std::string::npos);
    EXPECT_EQ(registry.RegisterClass(Class("{A}", "A.B.1")), vexo::REGDB_E_WRITEREGDB);
    vexo::ClassEntry found;
    EXPECT_EQ(registry.FindClassByProgId("A.B.1", found), vexo::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(vexo::test::ReadFileText(folder + "/plain-file"), "x");
}

}  // namespace
