// Tabbed pages: a property sheet created as a modeless child window, and its pages, which are
// dialogs from templates with their own page procedure.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <vector>

#include "dialog.h"

class CPropertyPage : public CDialog {
  public:
    // The tab's label is the template's caption.
    explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}
    ~CPropertyPage() override;

    // The description the sheet creates the page from; its lParam carries the object.
    PROPSHEETPAGEA Description();

  private:
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

class CPropertySheet : public CWnd {
  public:
    void AddPage(CPropertyPage* page) { pages_.push_back(page); }

    // Creates the sheet as a child of `parent`, with `style` (which has WS_CHILD) and
    // `exStyle`. The OK, Cancel, Apply and Help buttons are hidden and their strip cut off,
    // so the sheet shows only the tab strip and the pages.
    BOOL Create(CWnd* parent, DWORD style, DWORD exStyle = 0);

    // The window of the tab strip.
    HWND GetTabControl() const;

  private:
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    void DropButtonStrip();

    std::vector<CPropertyPage*> pages_;
};
