#pragma once
// How the page manager sees a page: it creates the page through the page
// factory (which the module implements, so that the manager does not link
// the page targets) and then only shows, hides, moves, times and refreshes
// it through this interface.

#include <QRect>
#include <QString>
#include <memory>

class QWidget;
class CAudioVideoPlay;
class CDialogManager;
struct SceneRecord;

// The four pages, by page number.
enum class PageKind { Index = 0, SceneSet = 1, SmartConfig = 2, NormalArming = 3 };

class IManagedPage {
public:
    virtual ~IManagedPage() = default;

    // Gives the page its manager and creates its window (at its template
    // size, hidden) as a child of `parent`.
    virtual void Create(CDialogManager* manager, QWidget* parent) = 0;
    virtual QWidget* Window() = 0;

    // Numbered timers (1001 every 200 ms, 1002 for the PTZ lock).
    virtual void SetTimer(int id, int intervalMs) = 0;
    virtual void KillTimer(int id) = 0;
    virtual bool IsTimerActive(int id) const = 0;

    // Index page: back to the first scene position and rebuilt from the
    // manager's data. Normal arming page: reads its data again. Other
    // pages ignore what is not theirs.
    virtual void Rebuild() {}
    virtual void Reload() {}
    // Pages with a video pane take the device's credentials and stream
    // selector after the login.
    virtual void SetDeviceInfo(const QString& address, const QString& user, const QString& password,
                               int streamSelector) {}

    // Pages never link each other; they reach one another through these.
    // Scene settings page: LoadScene takes a copy of the scene to edit;
    // RefreshScene reads the scene's modules and functions for it. The
    // index page loads the scene, shows page 1 (which takes the PTZ lock),
    // makes the scene the device's current one and then refreshes.
    virtual void LoadScene(const SceneRecord& scene) {}
    virtual void RefreshScene() {}
    // Smart configuration page: enters the scene with the smart function of
    // command index `functionIndex` selected (-1: the scene's first one).
    virtual void Enter(const QString& sceneName, const QString& sceneToken, int functionIndex) {}
    // Before the manager shows another page: a page with unsaved edits asks
    // the operator (save, discard or stay); false keeps the page shown.
    virtual bool ConfirmLeave() { return true; }
    // Pages holding edits that the batch export gathers store them in the
    // manager's parameter caches before the export builds its text.
    virtual void StoreForExport() {}
};

class IPageFactory {
public:
    virtual ~IPageFactory() = default;
    // `session` is the manager's own video session (not owned by the page).
    virtual std::unique_ptr<IManagedPage> CreatePage(PageKind kind, CAudioVideoPlay* session) = 0;
};
