// The guard schedule grid and the linkage editor of the simulated device's
// first rule, filled with periods and ticked actions that the device holds,
// with one period selected so that its time labels show.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <cstdio>

#include "editor_ids.h"
#include "gallery.h"
#include "panel_device.h"
#include "schedule_week.h"
#include "smart_arming_interval.h"
#include "smart_linkage_method.h"

namespace gallery {

namespace {

void StoreWeek(DeviceCommandChannel& channel, const vexo::test::RuleRef& rule) {
    vexo::ScheduleWeek week;
    for (int day = 0; day < 5; ++day) {
        week[day] = {{"08:00", "12:00"}, {"13:30", "18:00"}};
    }
    week[5] = {{"00:00", "06:30"}, {"20:00", "24:00"}};
    ParamRecord record;
    record.funName = rule.fun;
    record.token = rule.token;
    vexo::WriteScheduleWeek(week, record);
    channel.SetGuardSchedules(rule.scene, record);
}

void StoreActions(DeviceCommandChannel& channel, const vexo::test::RuleRef& rule) {
    ParamRecord record;
    record.funName = rule.fun;
    record.token = rule.token;
    if (channel.GetActionTrigger(rule.scene, record) != 1) {
        return;
    }
    for (auto& [group, value] : record.objectParams) {
        if (!value.attributes.empty()) {
            value.attributes.begin()->second = QStringLiteral("TRUE");
        }
    }
    channel.SetActionTrigger(rule.scene, record);
}

void ClickAt(QWidget* widget, const QPoint& point) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

}  // namespace

int SaveEditorSheets(const QString& folder, const QString& address) {
    vexo::test::PanelDevice device;
    if (!device.Connect(address.toStdString(), "admin", "Admin_123")) {
        std::fprintf(stderr, "cannot log into %s\n", qPrintable(address));
        return 1;
    }
    const std::vector<vexo::test::RuleRef> rules = device.Rules();
    if (rules.empty()) {
        std::fprintf(stderr, "the device has no rule\n");
        return 1;
    }
    const vexo::test::RuleRef& rule = rules.front();
    device.Parse().SetReferenceScene(QString(), rule.scene);
    StoreWeek(*device.Parse().Channel(), rule);
    StoreActions(*device.Parse().Channel(), rule);

    int failures = 0;
    QWidget page;
    page.setAutoFillBackground(true);
    page.setPalette(QPalette(QColor(0xF9, 0xF6, 0xF6)));
    page.resize(900, 440);

    auto* grid = new vexo::CSmartArmingInterval(&page);
    grid->setGeometry(0, 0, 900, 440);
    grid->SetDeviceContext(&device.Parse());
    grid->SetIdentity(rule.fun, rule.token);
    grid->Init();
    page.show();
    QApplication::processEvents();
    const QRect tuesday = grid->PeriodRect(1, 1);
    ClickAt(grid, tuesday.center());
    failures += Save(page, folder, QStringLiteral("editor-schedule")) ? 0 : 1;
    delete grid;

    auto* linkage = new vexo::CSmartLinkageMethod(&page);
    linkage->setGeometry(0, 0, 900, 440);
    linkage->SetDeviceContext(&device.Parse());
    linkage->SetIdentity(rule.fun, rule.token);
    linkage->Init();
    linkage->show();
    failures += Save(page, folder, QStringLiteral("editor-linkage")) ? 0 : 1;
    return failures;
}

}  // namespace gallery
