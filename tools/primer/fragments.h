// The generated parts of the primer's pages. A page template under tools/primer/pages/ names
// a fragment with a marker <!--@name arg …-->; the generator puts the fragment's GBK HTML in
// its place. Every fragment is computed from the program's own tables and functions.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace primer {

using Args = std::vector<std::string>;

struct Fragment {
    const char* name;
    std::string (*make)(const Args& args);
};

// A marker that cannot be expanded (unknown name, wrong arguments).
struct FragmentError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<Fragment> page_fragments();      // the head, navigation and end of a page
std::vector<Fragment> sign_fragments();      // stems, branches, cycle, ten gods, stages, relations
std::vector<Fragment> pillar_fragments();    // month and hour rules, options, true solar time, palace
std::vector<Fragment> luck_fragments();      // luck direction and start
std::vector<Fragment> strength_fragments();  // element weights, useful elements, warmth
std::vector<Fragment> star_fragments();      // the special stars

// Integer argument i of a marker, or a FragmentError.
int int_arg(const Args& args, size_t i);

// The marker's fragment, or a FragmentError.
std::string expand_marker(const std::string& name, const Args& args);

}  // namespace primer
