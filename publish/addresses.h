#pragma once

namespace tevorin {

// The product's web page: the generated-by line of every document links to it, and the about page
// opens it.
inline constexpr char kProductWebPage[] = "https://tevorin.org/";

}  // namespace tevorin
