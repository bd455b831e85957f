#pragma once

namespace tevorin {

// The product's web page: the generated-by line of every document links to it, and the about page
// opens it.
inline constexpr char kProductWebPage[] = "https://tevorin.org/";

// The maker's home page: the text of the link labels on the about and the Generate page.
inline constexpr char kMakerHomePage[] = "https://www.tevorin-labs.net/";

}  // namespace tevorin
