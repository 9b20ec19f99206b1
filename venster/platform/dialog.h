// Dialogs from templates, modal and modeless, with data exchange and OK/Cancel. The dialog
// object is bound to its window through the creation parameter and DWLP_USER, so one static
// dialog procedure serves every dialog.
#pragma once

#include "wnd.h"

class CDialog;

// Direction and target of one data exchange.
struct CDataExchange {
    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
};

// Binds control `id` of the dialog to the window object `control`.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally, its owner disabled meanwhile; the EndDialog value, or -1.
    virtual INT_PTR DoModal();

    // Creates the dialog modelessly; without a parent the main window is its owner.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);

    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

  protected:
    // The work of the dialog procedure once the object is known.
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Takes the window into the object; called on WM_INITDIALOG.
    void Bind(HWND window);

    UINT m_nIDTemplate = 0;  // the template's resource number

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CenterOnOwner();

    bool modal_ = false;
};
