#pragma once
// CDlgPartBase<TPage>: the base of every part of page TPage (a header strip,
// a scene list, a video body, ...). A part knows its page; through the
// page's CDlgBase it reaches the page manager. The part bases of the four
// pages follow.

#include <QRect>

#include "com_font.h"

class CDialogManager;
class CSmartIndexPage;
class CSmartSceneSet;
class CSmartConfigSet;
class CNormalArmingSet;

template <class TPage>
class CDlgPartBase {
public:
    virtual ~CDlgPartBase() = default;

    TPage* Page() const { return m_page; }
    void SetPage(TPage* page) { m_page = page; }
    // The page manager, through the page; null before the page is set.
    CDialogManager* Manager() const { return m_page ? m_page->Manager() : nullptr; }

protected:
    TPage* m_page = nullptr;  // not owned
};

// Parts of the index page share two layout rectangles and one font.
class CIndexPageBase : public CDlgPartBase<CSmartIndexPage> {
public:
    CIndexPageBase() : m_font(vexo::kIndexPartFont) {}

protected:
    QRect m_rect;
    QRect m_rectInner;
    vexo::CComFont m_font;
};

class CSceneSetBase : public CDlgPartBase<CSmartSceneSet> {};
class CSmartConfigBase : public CDlgPartBase<CSmartConfigSet> {};
class CNormalConfigBase : public CDlgPartBase<CNormalArmingSet> {};
