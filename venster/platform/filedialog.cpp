// Filling in the request for the open and save dialogs.
#include "filedialog.h"

#include <algorithm>

#include "app.h"
#include "wnd.h"

CFileDialog::CFileDialog(BOOL openFileDialog, const std::string& defaultExtension,
                         const std::string& fileName, DWORD flags, const std::string& filter,
                         CWnd* parent)
    : open_(openFileDialog != FALSE),
      defaultExtension_(defaultExtension),
      filter_(filter),
      file_(std::max<std::size_t>(MAX_PATH, fileName.size() + 1), '\0') {
    std::replace(filter_.begin(), filter_.end(), '|', '\0');
    std::copy(fileName.begin(), fileName.end(), file_.begin());
    // The extension is given without its dot, as the dialog expects it.
    if (!defaultExtension_.empty() && defaultExtension_[0] == '.') {
        defaultExtension_.erase(0, 1);
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = parent ? parent->m_hWnd : CWnd::GetSafeOwner(nullptr);
    m_ofn.hInstance = AfxGetApp()->m_hInstance;
    m_ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrFile = file_.data();
    m_ofn.nMaxFile = static_cast<DWORD>(file_.size());
    m_ofn.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal() {
    return AfxGetApp()->showFileDialog(m_ofn, open_) ? IDOK : IDCANCEL;
}
