// 命状模板 — the expansion of a style's normal.htm: every [NNNN] is replaced by
// the text of report field NNNN.
#pragma once

#include <optional>
#include <string>

namespace orvane {

// A template of this many bytes or more is refused.
inline constexpr std::size_t kTemplateLimit = 640000;

// A page longer than this is not written: the empty page and the message instead.
inline constexpr std::size_t kPageLimit = 64u << 20;
inline constexpr const char* kPageTooLongMessage = "命状页面超过64MB，不能生成";

// Expands template bytes over the report fields into `page` (its memory reused).
// Shows one message box per malformed or out-of-range reference and goes on
// after it. False, with an empty page and a message, past kPageLimit.
bool expand_template_bytes_into(const std::string& templateBytes, std::string& page);
std::string expand_template_bytes(const std::string& templateBytes);

// Expands normal.htm of the current style folder. Nothing (after the message
// "不能打开命状格式文件，请安装") when the template cannot be opened for reading
// and writing; an empty page (after "命状格式模板文件超长") when it is too long.
std::optional<std::string> expand_template();
// The same into `page`; false where expand_template gives nothing.
bool expand_template_into(std::string& page);

}  // namespace orvane
