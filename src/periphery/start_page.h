// The browser start-page offer of the exit question: where the setting lives and when the offer is made.
#pragma once

#include <string>

namespace mingshu::periphery {

// Name of the per-user setting that holds the start page.
inline constexpr const char *kStartPageSetting = "Browser/Start Page";

// The current start page; empty when none is stored.
std::string ReadStartPage();
// Stores the address as the start page, replacing an earlier one.
void WriteStartPage(const std::string &address);

// Whether the exit question offers to make `promotional` the start page: not when no promotional page is
// configured, and not when the start page already is that page (blanks around the stored text do not count).
bool OfferStartPage(const std::string &current, const std::string &promotional);

} // namespace mingshu::periphery
