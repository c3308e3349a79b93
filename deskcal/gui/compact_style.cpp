#include "deskcal/gui/compact_style.h"

#include <wx/defs.h>

#ifdef __WXGTK3__
#include <dlfcn.h>
#endif

namespace deskcal {

#ifdef __WXGTK3__
namespace {

// GTK is already loaded by wx; its functions are looked up at run time so that the
// build needs no GTK headers.
using CssProviderNew = void* (*)();
using CssProviderLoad = int (*)(void* provider, const char* data, long length, void** error);
using DefaultScreen = void* (*)();
using AddProvider = void (*)(void* screen, void* provider, unsigned priority);
constexpr unsigned kApplicationPriority = 600;  // GTK_STYLE_PROVIDER_PRIORITY_APPLICATION

constexpr const char* kCss =
    "entry { min-height: 0; padding-top: 0; padding-bottom: 0; }\n"
    "button { min-height: 0; padding: 1px 6px; }\n"
    "combobox button { min-height: 0; padding-top: 0; padding-bottom: 0; }\n";

}  // namespace

void apply_compact_style() {
    static bool applied = false;
    if (applied) return;
    applied = true;
    auto css_new = reinterpret_cast<CssProviderNew>(dlsym(RTLD_DEFAULT, "gtk_css_provider_new"));
    auto css_load = reinterpret_cast<CssProviderLoad>(dlsym(RTLD_DEFAULT, "gtk_css_provider_load_from_data"));
    auto screen = reinterpret_cast<DefaultScreen>(dlsym(RTLD_DEFAULT, "gdk_screen_get_default"));
    auto add = reinterpret_cast<AddProvider>(dlsym(RTLD_DEFAULT, "gtk_style_context_add_provider_for_screen"));
    if (!css_new || !css_load || !screen || !add) return;
    void* provider = css_new();
    void* display = screen();
    if (!provider || !display) return;
    if (!css_load(provider, kCss, -1, nullptr)) return;
    add(display, provider, kApplicationPriority);
}
#else
void apply_compact_style() {}
#endif

}  // namespace deskcal
