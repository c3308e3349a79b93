#include "app/gui/about_dlg.h"

#include <wx/button.h>
#include <wx/filesys.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/gui/gbk.h"
#include "app/gui/hyper_link.h"
#include "platform/program_dir.h"

namespace orvane::gui {

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, from_gbk("关于Kerrow八字算命")) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, from_gbk("Kerrow八字算命")), 0, wxALL, 12);
    top->Add(new wxStaticText(this, wxID_ANY,
                              from_gbk("按出生时间排出四柱八字，推算大运流年，\n并以所选的命状格式写成网页。")),
             0, wxLEFT | wxRIGHT, 12);
    // Both links open the local pages in the desktop's browser.
    top->Add(new CHyperLink(this, wxID_ANY, from_gbk("帮助文件"),
                            wxFileSystem::FileNameToURL(from_path(platform::program_path("help/index.htm")))),
             0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(new CHyperLink(this, wxID_ANY, from_gbk("常见问题"),
                            wxFileSystem::FileNameToURL(from_path(platform::program_path("help/cjwt.htm")))),
             0, wxLEFT | wxRIGHT | wxTOP, 12);
    auto* ok = new wxButton(this, wxID_OK, from_gbk("确定"));
    top->Add(ok, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    // The box opens with OK focused: a link shows its focus colour only once it is used.
    ok->SetDefault();
    Bind(wxEVT_INIT_DIALOG, [this, ok](wxInitDialogEvent& event) {
        event.Skip();
        CallAfter([ok] { ok->SetFocus(); });
    });
    CentreOnParent();
}

}  // namespace orvane::gui
