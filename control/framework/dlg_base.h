#pragma once
// CDlgBase: the common base of every page and of the header. It keeps the
// page's rectangle and its link to the page manager, and gives the page its
// background and (for pages with a title strip) the grey title band.

#include <QRect>

#include "colorref.h"

class QPainter;
class QWidget;
class CDialogManager;

class CDlgBase {
public:
    virtual ~CDlgBase() = default;

    // Page background and title band colours.
    static constexpr vexo::COLORREF kPageBackground = 0xF6F6F9;
    static constexpr vexo::COLORREF kTitleBand = 0xBBBBBC;
    static constexpr int kTitleBandHeight = 37;

    // Stores the dialog's client rectangle, sizes the window to it (without
    // moving it) and gives it the page background. Pages call it when they
    // are created and whenever they are resized.
    void InitDialogBase(QWidget* dialog);
    // Fills (0, 0) to (width of the stored rectangle, 37) with the band.
    void DrawTitleBand(QPainter& painter) const;

    const QRect& ClientRect() const { return m_rect; }
    CDialogManager* Manager() const { return m_manager; }
    void SetManager(CDialogManager* manager) { m_manager = manager; }

protected:
    QRect m_rect;
    CDialogManager* m_manager = nullptr;  // not owned
};
