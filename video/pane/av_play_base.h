#pragma once
// CAVPlayBase: the video pane a page part embeds: a video window, a play
// and a stop button, and the part's rule geometry keyed by parameter name.
// The pane converts geometry between device space and window pixels and
// forwards drawing, editing and mouse input to the shared live session,
// which it points to and never owns.
//
// Geometry map entries hold pixel-form GeometryText; a wire is kept as
// "2|(x1,y1),(x2,y2)" with its "Direction" and "Margin" in the value map.

#include <QPointer>
#include <QRect>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>

#include "auto_controls.h"

class CAudioVideoPlay;
class QObject;
class QWidget;

class CAVPlayBase {
public:
    static constexpr int kVideoWindowId = 15000 + 30;
    static constexpr int kPlayOffset = 394;
    static constexpr int kStopOffset = 395;
    static constexpr int kIdlePicture = 685;

    enum EditState { kIdle = 0, kRect = 2, kRegion = 3, kPoint = 4, kNumberedRegion = 6 };
    // How SetGeometry reads its text.
    enum GeometryType { kRegionGeometry = 1, kValueText = 2, kVerbatimGeometry = 3 };

    struct GeometryEntry {
        QString text;  // pixel form
        int32_t editing = 0;
    };

    explicit CAVPlayBase(CAudioVideoPlay* session = nullptr) : m_session(session) {}
    virtual ~CAVPlayBase();
    CAVPlayBase(const CAVPlayBase&) = delete;
    CAVPlayBase& operator=(const CAVPlayBase&) = delete;

    void SetSession(CAudioVideoPlay* session) { m_session = session; }
    CAudioVideoPlay* Session() const { return m_session; }
    void SetDeviceInfo(const QString& address, const QString& user, const QString& password,
                       int streamSelector);
    void SetParentWnd(QWidget* parent) { m_parent = parent; }
    // The video window (identifier 15030) at `rect` in the parent.
    void CreateVideoWindow(const QRect& rect);
    // Moves and sizes the video window (the page fits its window): the
    // geometry kept in pixels, and the overlay when this window shows it,
    // follow the new size, so that every shape stays on the same spot of
    // the picture.
    void PlaceVideo(const QRect& rect);
    // Play (18394) and stop (18395), 2 pixels below the video window.
    void CreateButtons();
    // 394 starts the preview, 395 stops it; true for those two.
    bool OnButton(int offset);
    // Logs in first when the session is not logged in. False when the
    // login or the stream fails.
    bool StartPreview();
    void StopPreview();
    // Records on the video window (dynamic property "vexoOverlayDrawn") that
    // the page's panel has drawn its geometry over the live picture, so that
    // host scripts can wait for that state; stopping the preview clears it.
    void MarkOverlayDrawn(bool drawn);
    // Stops the session and deletes the window and the buttons.
    void Destroy();

    void SetGeometry(const QString& key, const QString& deviceText, int type);
    // The device form of the key's geometry; empty for an unknown key.
    QString GetGeometry(const QString& key);

    // Edit operations: begin (true) makes the key's shape editable, end
    // (false) reads the edited shape back into the geometry map.
    void EditRect(bool begin, const QString& key);
    void EditRegion(bool begin, const QString& key);
    void EditPoint(bool begin, const QString& key);
    void EditWire(bool begin, const QString& key);
    void EditDirectedWire(bool begin, const QString& key);
    void ClearRegion(bool begin, const QString& key);
    void DrawRegionByClicks(bool begin, const QString& key);
    void EditNumberedRegion(bool begin, const QString& key);
    // Ends any editing and keeps what the operator drew.
    void FinishEditing();

    int SetMetadataOption(const QString& option);
    void OnMouseMove(uint32_t flags, int x, int y);
    bool OnButtonDown(uint32_t flags, int x, int y);
    void OnButtonUp(uint32_t flags, int x, int y);
    void OnDoubleClick(uint32_t flags, int x, int y);
    bool OnEscape();
    // An arrow key on the video: moves the selected point, or the selected
    // shape, by (dx, dy) pixels. False when no shape is selected.
    bool OnArrowKey(int dx, int dy);
    // Sends the video window's left-button presses, moves, releases and
    // double clicks, and Escape, to the session: the operator draws and
    // edits the page's geometry there. The window takes the keyboard focus
    // when it is clicked.
    void RouteVideoInput();

    // State, for the parts and tests.
    QWidget* VideoWindow() const;
    const QRect& VideoRect() const { return m_videoRect; }
    int StreamSelector() const { return m_streamSelector; }
    const QString& DeviceAddress() const { return m_address; }
    const QString& UserName() const { return m_user; }
    const QString& Password() const { return m_password; }
    const std::map<QString, GeometryEntry>& Geometry() const { return m_geometry; }
    const std::map<QString, QString>& Values() const { return m_values; }
    const QString& EditingKey() const { return m_editingKey; }
    int EditStateNow() const { return m_editState; }
    vexo::CAutoXpBtn& PlayButton() { return m_play; }
    vexo::CAutoXpBtn& StopButton() { return m_stop; }

    // Pure text helpers, public for tests.
    static QString DeviceToPixelText(const QString& deviceText, int width, int height);
    static QString PixelToDeviceGeometry(const QString& pixelText, int width, int height);
    static int NumberedRegionLabel(const QString& key);
    static QString WireDrawText(const QString& stored, const QString& direction, bool directed);

protected:
    vexo::CAutoStatic m_videoWindow;
    CAudioVideoPlay* m_session;  // not owned
    QString m_address;
    QString m_user;
    QString m_password;
    QPointer<QWidget> m_parent;
    vexo::CAutoXpBtn m_play;
    vexo::CAutoXpBtn m_stop;
    QRect m_videoRect;
    int32_t m_streamSelector = 1;
    std::map<QString, GeometryEntry> m_geometry;
    std::map<QString, QString> m_values;
    QString m_editingKey;
    int32_t m_editState = kIdle;

private:
    std::unique_ptr<QObject> m_inputRouter;  // RouteVideoInput's event filter

    void BeginEdit(const QString& key, int state);
    void EndEdit(const QString& key);
    void EndWire(const QString& key);
    void PrepareWire(const QString& key, int drawType, bool directed);
    bool CanUseSession() const;
};
