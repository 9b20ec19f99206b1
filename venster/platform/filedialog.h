// The system's open and save dialogs, with filter lists written as "text|patterns|...||".
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <string>
#include <vector>

class CWnd;

class CFileDialog {
  public:
    // An empty `defaultExtension` or `fileName` means none; without a parent the dialog is
    // owned by the main window.
    CFileDialog(BOOL openFileDialog, const std::string& defaultExtension,
                const std::string& fileName, DWORD flags, const std::string& filter,
                CWnd* parent = nullptr);

    // IDOK when the user chose a file, IDCANCEL otherwise.
    INT_PTR DoModal();

    // The full path the user chose.
    std::string GetPathName() const { return std::string(file_.data()); }

    OPENFILENAMEA m_ofn{};

  private:
    bool open_;
    std::string defaultExtension_;
    std::string filter_;
    std::vector<char> file_;
};
