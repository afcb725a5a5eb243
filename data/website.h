#pragma once

// The maker's website: named in the help text and the About dialog, and offered when the
// player cancels the choice of a key file.
constexpr char kWebsiteAddress[] = "https://vantosh.example.com/";
