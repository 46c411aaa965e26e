#include "windows/mainwindow/main_form.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "engine/drawing/grid.h"
#include "engine/drawing/style_names.h"

namespace orv::mainwindow {
namespace {

std::vector<std::string> itemsOf(std::span<const std::string_view> names) {
    return {names.begin(), names.end()};
}

std::vector<std::string> zoomItems() {
    return {"Нормальный (x1)", "Двухкратное (x2)", "Трёхкратный (x3)", "Четырёхкратное (x4)"};
}

}  // namespace

MainForm::MainForm(forms::FormHost* host)
    : Form("frmMain", kClientWidth, kClientHeight, forms::BorderStyle::None, host),
      pctSpec("pctSpec", {13, 40, 260, 260}, 0, 0x000000),
      cmbStyle("cmbStyle", {296, 128, 162, 21}, 1, itemsOf(drawing::styleNames())),
      cmbColor("cmbColor", {296, 167, 126, 21}, 2, itemsOf(drawing::schemeNames())),
      cmbZoom("cmbZoom", {296, 206, 162, 21}, 3, zoomItems()),
      chkOnTop("chkOnTop", {297, 243, 13, 13}, 4, 0),
      chkShowMap("chkShowMap", {297, 261, 13, 13}, 5, 0),
      chkCLS("chkCLS", {297, 280, 13, 13}, 6, 1),
      cmdStart("cmdStart", {288, 35, 84, 28}, 7),
      cmdStop("cmdStop", {381, 35, 84, 28}, 8),
      cmdAbout("cmdAbout", {288, 70, 84, 28}, 9),
      cmdCustom("cmdCustom", {429, 159, 28, 25}, 10),
      cmdExit("cmdExit", {381, 70, 84, 28}, 11) {
    chkOnTop.setToolTip("Поверх всех окон");
    chkShowMap.setToolTip("Покозать сетку");
    chkCLS.setToolTip("Очистить экран");
    cmdExit.setVisible(false);
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &pctSpec, &cmbStyle, &cmbColor, &cmbZoom, &chkOnTop, &chkShowMap, &chkCLS, &cmdStart,
             &cmdStop, &cmdAbout, &cmdCustom, &cmdExit}) {
        add(*control);
    }
    vl.push_back(std::make_unique<forms::Line>("vl", forms::Line::Ends{0, 0, 0, drawing::kGridSpan},
                                               drawing::kGridColour, false));
    hl.push_back(std::make_unique<forms::Line>("hl", forms::Line::Ends{0, 0, drawing::kGridSpan, 0},
                                               drawing::kGridColour, false));
    vl[0]->setContainer(&pctSpec);
    hl[0]->setContainer(&pctSpec);
    add(*vl[0]);
    add(*hl[0]);
}

void MainForm::loadGridLine(int i) {
    const int at = drawing::gridLineAt(i);
    forms::Line::Ends v = vl[0]->ends();
    v.x1 = v.x2 = at;
    forms::Line::Ends h = hl[0]->ends();
    h.y1 = h.y2 = at;
    for (auto [lines, ends] : {std::pair{&vl, v}, std::pair{&hl, h}}) {
        const forms::Line& model = *lines->front();
        lines->push_back(std::make_unique<forms::Line>(model.name(), ends, model.colour(), false));
        lines->back()->setContainer(model.container());
        addLoaded(*lines->back());
    }
}

}  // namespace orv::mainwindow
