#include "tools/primer/fragments.h"

#include <charconv>

namespace primer {

int int_arg(const Args& args, size_t i) {
    if (i >= args.size()) throw FragmentError("argument " + std::to_string(i + 1) + " is missing");
    int value = 0;
    const std::string& text = args[i];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) throw FragmentError("not a number: " + text);
    return value;
}

std::string expand_marker(const std::string& name, const Args& args) {
    static const std::vector<Fragment> all = [] {
        std::vector<Fragment> list;
        for (auto group : {page_fragments, sign_fragments, pillar_fragments, luck_fragments, strength_fragments, star_fragments}) {
            auto part = group();
            list.insert(list.end(), part.begin(), part.end());
        }
        return list;
    }();
    for (const Fragment& fragment : all)
        if (name == fragment.name) return fragment.make(args);
    throw FragmentError("no such fragment");
}

}  // namespace primer
