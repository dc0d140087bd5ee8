// GBK conversion through the C library's iconv.
#include "common/codec.h"

#include "common/errors.h"

#include <cerrno>
#include <iconv.h>
#include <mutex>
#include <vector>

namespace mingshu {
namespace {

// CP936 is GBK plus the euro sign at 0x80; older C libraries only know the name GBK.
iconv_t OpenConverter(const char *to, const char *from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        const char *alt_to = std::string_view(to) == "CP936" ? "GBK" : to;
        const char *alt_from = std::string_view(from) == "CP936" ? "GBK" : from;
        cd = iconv_open(alt_to, alt_from);
    }
    return cd;
}

// Converts the whole input; returns false on the first character that cannot be converted
// unless `replace` is set, in which case the offending byte becomes `replacement`.
bool Convert(const char *to, const char *from, std::string_view in, std::string &out, bool replace,
             std::string_view replacement) {
    iconv_t cd = OpenConverter(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw EncodingError("系统缺少GBK编码转换");
    out.clear();
    std::vector<char> buffer(in.size() * 4 + 16);
    char *src = const_cast<char *>(in.data());
    std::size_t src_left = in.size();
    bool ok = true;
    while (src_left > 0) {
        char *dst = buffer.data();
        std::size_t dst_left = buffer.size();
        std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer.data(), dst - buffer.data());
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            if (!replace) {
                ok = false;
                break;
            }
            out.append(replacement);
            ++src;
            --src_left;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return ok;
}

} // namespace

std::string ToGbk(std::string_view utf8) {
    std::string out;
    if (!Convert("CP936", "UTF-8", utf8, out, false, {}))
        throw EncodingError("输入的文字含有无法识别的字符");
    return out;
}

std::string FromGbk(std::string_view gbk) {
    std::string out;
    Convert("UTF-8", "CP936", gbk, out, true, "\xEF\xBF\xBD");
    return out;
}

bool IsGbkEncodable(std::string_view utf8) {
    std::string out;
    return Convert("CP936", "UTF-8", utf8, out, false, {});
}

std::size_t GbkLength(std::string_view utf8) {
    return ToGbk(utf8).size();
}

} // namespace mingshu
