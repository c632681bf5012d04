// The control's dispatch table and the calls through it: every DISPID
// reaches the method of its name with its number of arguments, and wrong
// calls are refused with a reason.
#include <gtest/gtest.h>

#include <QMetaMethod>

#include "class_factories.h"
#include "control_dispatch.h"
#include "module_guids.h"
#include "vexo_smart_ocx_ctrl.h"
#include "vexo_smart_ocx_prop_page.h"

namespace {

using vexo::module::ControlDispatch;
using vexo::module::kControlDispatchTable;

TEST(ControlDispatch, TheTableMatchesTheControlsMethods) {
    const QMetaObject& type = CVexoSmartOcxCtrl::staticMetaObject;
    int dispId = 1;
    for (const auto& entry : kControlDispatchTable) {
        EXPECT_EQ(entry.dispId, dispId++);
        bool found = false;
        for (int i = type.methodOffset(); i < type.methodCount(); ++i) {
            const QMetaMethod method = type.method(i);
            if (method.methodType() == QMetaMethod::Method && method.name() == entry.name) {
                EXPECT_EQ(method.parameterCount(), entry.argumentCount) << entry.name;
                found = true;
            }
        }
        EXPECT_TRUE(found) << entry.name;
    }
}

// What a script cannot send: names case-insensitively, numbers as doubles,
// typed results and the refusals of a wrong count, a wrong type and an
// unknown name are skeleton_api.js's (tests/gui/host), through vexo-host.
TEST(ControlDispatch, TextNumbersAreCoercedAndEmptyArgumentsOrUnknownIdsRefused) {
    CVexoSmartOcxCtrl control;
    ControlDispatch dispatch(&control);
    QVariant result;
    QString error;
    ASSERT_EQ(dispatch.Invoke(4, {QVariant(QStringLiteral("3"))}, result, error), vexo::S_OK);
    EXPECT_EQ(result.typeId(), QMetaType::Bool);
    EXPECT_EQ(dispatch.Invoke(6, {QVariant()}, result, error), vexo::DISP_E_TYPEMISMATCH);
    EXPECT_EQ(dispatch.Invoke(10, {}, result, error), vexo::DISP_E_MEMBERNOTFOUND);
}

TEST(ClassFactories, CreateTheirObjectsAndCountThem) {
    auto* controlFactory = vexo::module::FactoryOf(vexo::module::kControlClsid);
    auto* pageFactory = vexo::module::FactoryOf(vexo::module::kPropPageClsid);
    ASSERT_TRUE(controlFactory && pageFactory);
    EXPECT_EQ(vexo::module::FactoryOf("{00000000-0000-0000-0000-000000000000}"), nullptr);
    const int before = vexo::module::ModuleUseCount();

    QObject* object = nullptr;
    vexo::com::IDispatch* dispatch = nullptr;
    ASSERT_EQ(controlFactory->CreateInstance(nullptr, &object, &dispatch), vexo::S_OK);
    EXPECT_TRUE(qobject_cast<CVexoSmartOcxCtrl*>(object));
    ASSERT_NE(dispatch, nullptr);
    QObject* page = nullptr;
    ASSERT_EQ(pageFactory->CreateInstance(nullptr, &page, &dispatch), vexo::S_OK);
    EXPECT_EQ(dispatch, nullptr);
    EXPECT_EQ(qobject_cast<QWidget*>(page)->windowTitle(), "常规");
    EXPECT_EQ(vexo::module::ModuleUseCount(), before + 2);
    QObject notAWindow;
    EXPECT_EQ(controlFactory->CreateInstance(&notAWindow, &page, nullptr), vexo::E_INVALIDARG);

    delete object;
    delete page;
    controlFactory->LockServer(true);
    EXPECT_EQ(vexo::module::ModuleUseCount(), before + 1);
    controlFactory->LockServer(false);
    EXPECT_EQ(vexo::module::ModuleUseCount(), before);
}

}  // namespace
