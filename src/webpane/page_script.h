#pragma once

// How the blank document becomes the page: a head script that stops text selection,
// the context menu and dragging; the body's styles; then the composed body. The
// styles are CSS declarations in the order they are applied (the font shorthand resets
// the size, so the size follows it), usable both by a browser's DOM and as a style
// sheet for the text fallback.

#include <QString>
#include <QStringList>

#include <array>

// The id of the head script; a document never holds two.
inline constexpr char kHeadScriptId[] = "defaultHeadID";

// The head script's lines; its text is each line followed by CR LF.
QStringList HeadScriptLines();

struct StyleDeclaration
{
    const char* property;
    const char* value;
};

inline constexpr std::array<StyleDeclaration, 7> kBodyStyles = {{
    {"border-style", "none"},
    {"cursor", "default"},
    {"color", "#333"},
    {"font", "100% Segoe UI, Tahoma, Trebuchet MS, Trebuchet, Verdana, Arial, Helvetica, "
             "sans-serif"},
    {"font-size", "smaller"},
    {"margin-top", "5px"},
    {"margin-left", "0px"},
}};

// "body { property: value; ... }" in the order above.
QString BodyStyleSheet();

// The id of the style element that gives the page the design font; a document never
// holds two.
inline constexpr char kFontFaceId[] = "designFontFace";

// JavaScript that prepares the loaded blank document (replacing an earlier head script,
// setting the body styles and scrolling) and puts bodyHtml into its body. A fontAddress
// (the stand-in Tahoma as a data: address) becomes the page's Tahoma: the engine cannot
// see the fonts the program registers with Qt, and falls back to a font whose hinted
// letters it spaces unevenly at this size ("networ king").
QString PageScript(const QString& bodyHtml, const QString& fontAddress = {});
