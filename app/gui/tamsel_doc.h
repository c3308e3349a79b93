// 命稿文档 — the document of a chart window. It holds nothing of its own: the chart
// lives in the one chart record and the report in its style folder, so a document
// is never modified and closing its window never asks to save.
#pragma once

#include <wx/docview.h>
#include <wx/mdi.h>

namespace orvane::gui {

class CTamselDoc : public wxDocument {
public:
    bool IsModified() const override { return false; }

private:
    wxDECLARE_DYNAMIC_CLASS(CTamselDoc);
};

// The documents of the chart program: one template (CTamselDoc shown by
// CTamselView), new documents named "Kerrow八字-命稿1", "Kerrow八字-命稿2", ...
class CDocManager : public wxDocManager {
public:
    CDocManager();
    wxString MakeNewDocumentName() override;

    // The main frame the chart windows open in.
    wxMDIParentFrame* Frame() const { return m_frame; }
    void SetFrame(wxMDIParentFrame* frame) { m_frame = frame; }

private:
    wxMDIParentFrame* m_frame = nullptr;
};

}  // namespace orvane::gui
