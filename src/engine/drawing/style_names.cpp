#include "engine/drawing/style_names.h"

#include <array>

namespace orv::drawing {
namespace {

using namespace std::string_view_literals;

constexpr std::array kStyleNames = {
    "Обычный"sv,        "Осевой"sv,           "Точечный"sv,      "Линейный"sv,
    "Кольца"sv,         "Паралель"sv,         "Растяжка"sv,      "Перевёрнутый"sv,
    "Прямоугольники"sv, "Вертикально"sv,      "Перо"sv,          "Диагональ"sv,
    "Басовик"sv,        "Квадратик"sv,        "Магия (Точки)"sv, "Магия (Линии)"sv,
    "Колос"sv,          "Вертик. синусоид"sv, "Осилограф"sv,     "Осилограф (Амп)"sv,
    "Блеск"sv,          "Millenium"sv,        "Щелк"sv,          "Матрица"sv,
    "Нитки"sv};

constexpr std::array kSchemeNames = {
    "Смещанный"sv, "Синий"sv,          "Голубой"sv,        "Зелённый"sv,       "Лиловый"sv,
    "Красный"sv,   "Белый"sv,          "Жёлтый"sv,         "Радужный"sv,       "Спектр 1"sv,
    "Спектр 2"sv,  "Польз. схема 1"sv, "Польз. схема 2"sv, "Польз. схема 3"sv, "Польз. схема 4"sv};

}  // namespace

std::span<const std::string_view> styleNames() {
    return kStyleNames;
}

std::span<const std::string_view> schemeNames() {
    return kSchemeNames;
}

}  // namespace orv::drawing
