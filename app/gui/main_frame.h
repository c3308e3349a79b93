// 主窗口 — the multiple-document main window: menus, toolbar, status bar and the
// commands that need no chart window. The chart commands reach the active chart
// window's view (CTamselView) through the document framework.
#pragma once

#include <wx/docmdi.h>

#include <memory>

namespace orvane::gui {

class CChildFrame;
class CDocManager;
class CTamselView;

class CMainFrame : public wxDocMDIParentFrame {
public:
    CMainFrame();
    ~CMainFrame() override;

    // A new document with its chart window.
    CChildFrame* NewChartWindow();
    CTamselView* ActiveView() const;

    // Runs a command as the menu would: the active chart window first, then the frame.
    void RunCommand(int command);

private:
    wxMenuBar* BuildMenuBar();
    void BuildToolBar();
    void BindCommands();

    void OnOptions(wxCommandEvent& event);
    void OnCityCoordinates(wxCommandEvent& event);
    void OnDeskCalendar(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnNew(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnViewToolbar(wxCommandEvent& event);
    void OnViewStatusBar(wxCommandEvent& event);

    std::unique_ptr<CDocManager> m_docManager;
};

}  // namespace orvane::gui
