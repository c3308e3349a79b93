#include "app/gui/tamsel_doc.h"

#include "app/gui/gbk.h"
#include "app/gui/tamsel_view.h"

namespace orvane::gui {

wxIMPLEMENT_DYNAMIC_CLASS(CTamselDoc, wxDocument);

CDocManager::CDocManager() : wxDocManager(0, true) {
    new wxDocTemplate(this, from_gbk("Kerrow八字-命稿"), "*.htm", "", "htm", "CTamselDoc", "CTamselView",
                      CLASSINFO(CTamselDoc), CLASSINFO(CTamselView));
}

wxString CDocManager::MakeNewDocumentName() {
    // The framework numbers the windows of the one document type from 1.
    return from_gbk("Kerrow八字-命稿") + wxString::Format("%d", m_defaultDocumentNameCounter++);
}

}  // namespace orvane::gui
