#include "linux/command_line/draw_options.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>

#include "engine/drawing/style_choice.h"
#include "engine/drawing/style_names.h"
#include "linux/command_line/colour_text.h"
#include "linux/command_line/name_lookup.h"
#include "linux/command_line/option_error.h"

namespace orv::command_line {
namespace {

int lookUp(const std::string& text, std::span<const std::string_view> names,
           std::string_view option, std::string_view listOption) {
    const std::optional<int> found = findEntry(text, names);
    if (!found) {
        const bool number =
            !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
        const std::string hint =
            number ? std::string()
                   : "; the nearest is '" + std::string(nearestEntry(text, names)) + "'";
        throw OptionError(std::string(option) + ": no entry '" + text + "'" + hint + " (" +
                          std::string(listOption) + " shows them all)");
    }
    return *found;
}

}  // namespace

DrawOptions::DrawOptions(CLI::App& app, int defaultScheme) : defaultScheme_(defaultScheme) {
    app.add_option("--style", style_, "drawing style: its number or Russian name")
        ->capture_default_str();
    app.add_option("--scheme", scheme_,
                   "colour scheme: its number or Russian name (default " +
                       std::to_string(defaultScheme) + ", or 9 for style 22)");
    app.add_option("--zoom", zoom_, "pen width in pixels")
        ->check(CLI::Range(1, 4))
        ->capture_default_str();
    app.add_flag("--grid", grid_, "show the grid over the picture");
    CLI::Option* clear =
        app.add_flag("--clear", clear_,
                     "clear the pane before each block, style 22 included (the default for "
                     "the other styles)");
    app.add_flag("--no-clear", noClear_,
                 "do not clear the pane before each block (the default for style 22)")
        ->excludes(clear);
    app.add_option("--background", background_, "pane background as #RRGGBB")
        ->capture_default_str();
    app.add_option("--colours", colours_,
                   "user scheme colours: N=C1,...,C16 (N 1..4, 16 colours #RRGGBB from the "
                   "lowest level band) or @FILE holding such lines; repeatable")
        ->take_all();
    app.add_flag_callback(
        "--list-styles",
        [] {
            printEntries(std::cout, drawing::styleNames());
            throw CLI::Success();
        },
        "print the styles' numbers and names and exit");
    app.add_flag_callback(
        "--list-schemes",
        [] {
            printEntries(std::cout, drawing::schemeNames());
            throw CLI::Success();
        },
        "print the colour schemes' numbers and names and exit");
}

Drawing DrawOptions::resolve() const {
    Drawing drawing;
    // A user scheme nobody has edited holds the default colours, as in the window.
    for (int k = 0; k < drawing::CustomColours::kSchemes; ++k) {
        for (int b = 0; b < drawing::CustomColours::kBands; ++b) {
            drawing.colours.set(k, b,
                                drawing::kDefaultCustomColours.at(static_cast<std::size_t>(b)));
        }
    }
    drawing.settings.style = lookUp(style_, drawing::styleNames(), "--style", "--list-styles");
    const drawing::StyleImplies implied = drawing::impliedBy(drawing.settings.style);
    drawing.settings.scheme =
        scheme_.empty() ? implied.scheme.value_or(defaultScheme_)
                        : lookUp(scheme_, drawing::schemeNames(), "--scheme", "--list-schemes");
    drawing.settings.clear = clear_ || (!noClear_ && implied.clear);
    drawing.settings.penWidth = zoom_;
    drawing.grid = grid_;
    const std::optional<drawing::Colour> background = parseColour(background_);
    if (!background) {
        throw OptionError("--background: '" + background_ +
                          "' is not a colour (write it as #RRGGBB)");
    }
    drawing.background = *background;
    for (const std::string& spec : colours_) {
        if (!spec.empty() && spec.front() == '@') {
            readUserSchemes(drawing.colours, spec.substr(1));
        } else {
            setUserScheme(drawing.colours, spec, "--colours");
        }
    }
    return drawing;
}

}  // namespace orv::command_line
