// 命稿视图 — the chart window's view: its HTML page and the chart commands (the
// birth dialog, the build with its progress window, the style menu, the pages,
// saving and printing). Menu commands reach it while its window is active.
#pragma once

#include <wx/docview.h>
#include <wx/string.h>

#include <string>

class wxMenu;
class wxMenuBar;
class wxPanel;
class wxWebView;

namespace orvane::gui {

class CChildFrame;

class CTamselView : public wxView {
public:
    CTamselView();

    bool OnCreate(wxDocument* document, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC*) override {}

    // The window the page lives in; dialogs of the chart commands open over it.
    wxWindow* Window() const;

    // Shows a file of the program folder ("help/welcome.htm", "help/yhxx.htm#version")
    // or a full path, at an anchor ("#version") when given. A missing file is said
    // in a message and the page shown stays; false then.
    void ShowProgramPage(const std::string& relative);
    bool ShowPath(const std::string& path, const std::string& anchor = "");
    // index.htm of the current style folder, or its right.htm when the frame page is missing.
    void ShowReport();
    wxWebView* Browser() const { return m_browser; }
    wxString CurrentUrl() const;
    // What printing and saving take: the report itself when the page shown frames it.
    wxString PrintableUrl() const;

    // The chart commands. Each returns once the chart is built (or its dialog
    // was cancelled).
    void OnInputBirth(bool editMode);
    void OnHistory();
    void OnReverseLookup();
    void build_chart();
    void build_style_menu();
    void apply_style(const std::string& number);

    // 另存为 without its file dialog: the page as one file that opens by itself
    // (GBK, styles and script inline, no frame), or a PDF of every printed page
    // when the name ends in .pdf. Says what failed and returns false.
    bool SaveAs(const wxString& path);
    // Every printed page of the report (or the page shown) into a PDF file.
    bool PrintToPdf(const wxString& path, std::string* error);

    static bool Building() { return s_building; }

private:
    // Shows the chart command's dialog; on OK builds the chart and the style menu.
    template <class Dialog, class... Args>
    void CastFrom(Args... args);
    wxMenu* style_menu_of(size_t* top) const;
    void BindCommands();

    void OnInputBirthCommand();
    void OnEditBirthCommand();
    void OnBack();
    void OnForward();
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnSaveAsCommand();
    void OnOpen();
    void OnPageSetup();
    void OnPrintPreview();
    void OnPrint();

    std::string m_programFolder;
    CChildFrame* m_frame = nullptr;
    wxPanel* m_panel = nullptr;
    wxWebView* m_browser = nullptr;
    static bool s_building;

    wxDECLARE_DYNAMIC_CLASS(CTamselView);
};

// Set once the style menu holds the style names; shared by every chart window.
bool& style_menu_built();

// The 格式 menu of a menu bar, found by its fixed first item; its place in the bar in `top`.
wxMenu* find_style_menu(wxMenuBar* bar, size_t* top = nullptr);

// A style name as a menu label: the text as it reads, without mnemonic or accelerator.
wxString style_label(const std::string& gbkName);

}  // namespace orvane::gui
