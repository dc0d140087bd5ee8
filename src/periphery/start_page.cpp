// The start-page setting goes through the platform's per-user settings.
#include "periphery/start_page.h"

#include "common/platform.h"
#include "common/text.h"

namespace mingshu::periphery {

std::string ReadStartPage() {
    return CurrentPlatform().readSetting(kStartPageSetting);
}

void WriteStartPage(const std::string &address) {
    CurrentPlatform().writeSetting(kStartPageSetting, address);
}

bool OfferStartPage(const std::string &current, const std::string &promotional) {
    if (promotional.empty())
        return false;
    return Trim(current) != promotional;
}

} // namespace mingshu::periphery
