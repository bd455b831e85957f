#pragma once

namespace tevorin {

// The version the window's title, the about page and tevorin-cli --version show; the build reads
// it from here for the package and the desktop files.
inline constexpr char kVersion[] = "1.5";

// The desktop's name for the program: the desktop entry, the icons and the AppStream file are
// named after it, and the window reports it to the desktop. The build reads it from here.
inline constexpr char kApplicationId[] = "org.tevorin.Tevorin";

// The product's web page: the generated-by line of every document links to it, and the about page
// opens it.
inline constexpr char kProductWebPage[] = "https://tevorin.org/";

// The maker's home page: the text of the link labels on the about and the Generate page.
inline constexpr char kMakerHomePage[] = "https://www.tevorin-labs.net/";

}  // namespace tevorin
