// The weekly Torah portions of the annual reading cycle and the fifteen schedules that spread them
// over the Saturdays of a Hebrew year, in Israel and in the diaspora. Source: the fixed order of
// the readings with the customary rules for joining portions (Shulchan Aruch, Orach Chaim 428).
#include "calendar/portions.h"

#include <cstddef>

namespace tevorin {

const std::array<PortionName, 60> portionNames = {{
    {"Bereshit", "Bereshis"},
    {"Noach", "Noach"},
    {"Lech-Lecha", "Lech-Lecha"},
    {"Vayera", "Vayera"},
    {"Chayei Sara", "Chayei Sara"},
    {"Toldot", "Toldos"},
    {"Vayetzei", "Vayetzei"},
    {"Vayishlach", "Vayishlach"},
    {"Vayeshev", "Vayeshev"},
    {"Miketz", "Miketz"},
    {"Vayigash", "Vayigash"},
    {"Vayechi", "Vayechi"},
    {"Shemot", "Shemos"},
    {"Vaera", "Vaera"},
    {"Bo", "Bo"},
    {"Beshalach", "Beshalach"},
    {"Yitro", "Yisro"},
    {"Mishpatim", "Mishpatim"},
    {"Terumah", "Terumah"},
    {"Tetzaveh", "Tetzaveh"},
    {"Ki Tisa", "Ki Sisa"},
    {"Vayakhel", "Vayakhel"},
    {"Pekudei", "Pekudei"},
    {"Vayikra", "Vayikra"},
    {"Tzav", "Tzav"},
    {"Shmini", "Shmini"},
    {"Tazria", "Sazria"},
    {"Metzora", "Metzora"},
    {"Achrei Mot", "Achrei Mos"},
    {"Kedoshim", "Kedoshim"},
    {"Emor", "Emor"},
    {"Behar", "Behar"},
    {"Bechukotai", "Bechukosai"},
    {"Bamidbar", "Bamidbar"},
    {"Nasso", "Nasso"},
    {"Beha'alotcha", "Beha'aloscha"},
    {"Sh'lach", "Sh'lach"},
    {"Korach", "Korach"},
    {"Chukat", "Chukas"},
    {"Balak", "Balak"},
    {"Pinchas", "Pinchas"},
    {"Matot", "Matos"},
    {"Masei", "Masei"},
    {"Devarim", "Devarim"},
    {"Vaetchanan", "Vaeschanan"},
    {"Eikev", "Eikev"},
    {"Re'eh", "Re'eh"},
    {"Shoftim", "Shoftim"},
    {"Ki Teitzei", "Ki Seitzei"},
    {"Ki Tavo", "Ki Savo"},
    {"Nitzavim", "Nitzavim"},
    {"Vayeilech", "Vayeilech"},
    {"Ha'Azinu", "Ha'Azinu"},
    {"Vayakhel Pekudei", "Vayakhel Pekudei"},
    {"Tazria Metzora", "Sazria Metzora"},
    {"Achrei Mot Kedoshim", "Achrei Mos Kedoshim"},
    {"Behar Bechukotai", "Behar Bechukosai"},
    {"Chukat Balak", "Chukas Balak"},
    {"Matot Masei", "Matos Masei"},
    {"Nitzavim Vayeilech", "Nitzavim Vayeilech"},
}};

namespace {

// Indexes of portionNames: the single portions in reading order, then the pairs read together.
// clang-format off
enum Portion : int32_t {
  Bereshit, Noach, LechLecha, Vayera, ChayeiSara, Toldot, Vayetzei, Vayishlach, Vayeshev, Miketz,
  Vayigash, Vayechi, Shemot, Vaera, Bo, Beshalach, Yitro, Mishpatim, Terumah, Tetzaveh, KiTisa,
  Vayakhel, Pekudei, Vayikra, Tzav, Shmini, Tazria, Metzora, AchreiMot, Kedoshim, Emor, Behar,
  Bechukotai, Bamidbar, Nasso, Behaalotcha, Shlach, Korach, Chukat, Balak, Pinchas, Matot, Masei,
  Devarim, Vaetchanan, Eikev, Reeh, Shoftim, KiTeitzei, KiTavo, Nitzavim, Vayeilech, HaAzinu,
  VayakhelPekudei, TazriaMetzora, AchreiMotKedoshim, BeharBechukotai, ChukatBalak, MatotMasei,
  NitzavimVayeilech
};
// clang-format on

// A schedule is written as runs of consecutive portions; kNone is one Saturday on which a festival
// is read instead.
struct Run {
  int32_t first;
  int32_t last;
};
constexpr Run kNone{-1, -1};
constexpr Run only(int32_t portion) {
  return {portion, portion};
}

template <std::size_t Saturdays, std::size_t Runs>
constexpr std::array<int32_t, Saturdays> expand(const Run (&runs)[Runs]) {
  std::array<int32_t, Saturdays> schedule{};
  std::size_t next = 0;
  for (const Run& run : runs) {
    for (int32_t portion = run.first; portion <= run.last; ++portion) schedule.at(next++) = portion;
  }
  if (next != Saturdays) throw "a schedule needs one entry for every Saturday of its years";
  return schedule;
}

// Each schedule names the years that read it: common or leap, the weekday of 1 Tishri and the
// year's length (deficient, regular, complete), with an example year.
// clang-format off

// Common, Monday, deficient (e.g. 5773); in Israel also Monday complete and Tuesday regular.
constexpr auto kSchedule1 = expand<50>({
    only(Vayeilech), only(HaAzinu), kNone, {Bereshit, KiTisa}, only(VayakhelPekudei),
    {Vayikra, Tzav}, kNone, only(Shmini), only(TazriaMetzora), only(AchreiMotKedoshim),
    only(Emor), only(BeharBechukotai), {Bamidbar, Pinchas}, only(MatotMasei), {Devarim, KiTavo},
    only(NitzavimVayeilech)});
// Common, Monday complete (e.g. 5780) or Tuesday regular (e.g. 5762), in the diaspora: the second
// day of Shavuot falls on a Saturday.
constexpr auto kSchedule2 = expand<50>({
    only(Vayeilech), only(HaAzinu), kNone, {Bereshit, KiTisa}, only(VayakhelPekudei),
    {Vayikra, Tzav}, kNone, only(Shmini), only(TazriaMetzora), only(AchreiMotKedoshim),
    only(Emor), only(BeharBechukotai), only(Bamidbar), kNone, {Nasso, Korach}, only(ChukatBalak),
    only(Pinchas), only(MatotMasei), {Devarim, KiTavo}, only(NitzavimVayeilech)});
// Common, Thursday, regular, in the diaspora (e.g. 5772).
constexpr auto kSchedule3 = expand<51>({
    only(HaAzinu), kNone, kNone, {Bereshit, KiTisa}, only(VayakhelPekudei), {Vayikra, Tzav},
    kNone, kNone, only(Shmini), only(TazriaMetzora), only(AchreiMotKedoshim), only(Emor),
    only(BeharBechukotai), {Bamidbar, Pinchas}, only(MatotMasei), {Devarim, Nitzavim}});
// Common, Thursday, regular, in Israel (e.g. 5772).
constexpr auto kSchedule4 = expand<51>({
    only(HaAzinu), kNone, kNone, {Bereshit, KiTisa}, only(VayakhelPekudei), {Vayikra, Tzav},
    kNone, only(Shmini), only(TazriaMetzora), only(AchreiMotKedoshim), {Emor, Pinchas},
    only(MatotMasei), {Devarim, Nitzavim}});
// Common, Thursday, complete (e.g. 5785).
constexpr auto kSchedule5 = expand<51>({
    only(HaAzinu), kNone, kNone, {Bereshit, Tzav}, kNone, only(Shmini), only(TazriaMetzora),
    only(AchreiMotKedoshim), only(Emor), only(BeharBechukotai), {Bamidbar, Pinchas},
    only(MatotMasei), {Devarim, Nitzavim}});
// Common, Saturday, deficient (e.g. 5761).
constexpr auto kSchedule6 = expand<51>({
    kNone, only(HaAzinu), kNone, kNone, {Bereshit, KiTisa}, only(VayakhelPekudei),
    {Vayikra, Tzav}, kNone, only(Shmini), only(TazriaMetzora), only(AchreiMotKedoshim),
    only(Emor), only(BeharBechukotai), {Bamidbar, Pinchas}, only(MatotMasei),
    {Devarim, Nitzavim}});
// Common, Saturday, complete (e.g. 5764).
constexpr auto kSchedule7 = expand<51>({
    kNone, only(HaAzinu), kNone, kNone, {Bereshit, KiTisa}, only(VayakhelPekudei),
    {Vayikra, Tzav}, kNone, only(Shmini), only(TazriaMetzora), only(AchreiMotKedoshim),
    only(Emor), only(BeharBechukotai), {Bamidbar, Pinchas}, only(MatotMasei), {Devarim, KiTavo},
    only(NitzavimVayeilech)});
// Leap, Monday, deficient, in the diaspora (e.g. 5790).
constexpr auto kSchedule8 = expand<54>({
    only(Vayeilech), only(HaAzinu), kNone, {Bereshit, Metzora}, kNone, {AchreiMot, Bamidbar},
    kNone, {Nasso, Korach}, only(ChukatBalak), only(Pinchas), only(MatotMasei),
    {Devarim, KiTavo}, only(NitzavimVayeilech)});
// Leap, Monday, deficient, in Israel (e.g. 5790).
constexpr auto kSchedule9 = expand<54>({
    only(Vayeilech), only(HaAzinu), kNone, {Bereshit, Metzora}, kNone, {AchreiMot, Pinchas},
    only(MatotMasei), {Devarim, KiTavo}, only(NitzavimVayeilech)});
// Leap, Monday complete (e.g. 5776) or Tuesday regular (e.g. 5782), in the diaspora.
constexpr auto kSchedule10 = expand<55>({
    only(Vayeilech), only(HaAzinu), kNone, {Bereshit, Metzora}, kNone, kNone,
    {AchreiMot, Pinchas}, only(MatotMasei), {Devarim, Nitzavim}});
// Leap, Monday complete (e.g. 5776) or Tuesday regular (e.g. 5782), in Israel.
constexpr auto kSchedule11 = expand<55>({
    only(Vayeilech), only(HaAzinu), kNone, {Bereshit, Metzora}, kNone, {AchreiMot, Nitzavim}});
// Leap, Thursday, deficient (e.g. 5765).
constexpr auto kSchedule12 = expand<55>({
    only(HaAzinu), kNone, kNone, {Bereshit, AchreiMot}, kNone, {Kedoshim, Nitzavim}});
// Leap, Thursday, complete (e.g. 5771).
constexpr auto kSchedule13 = expand<55>({
    only(HaAzinu), kNone, kNone, {Bereshit, AchreiMot}, kNone, {Kedoshim, KiTavo},
    only(NitzavimVayeilech)});
// Leap, Saturday, deficient (e.g. 5784); in Israel also Saturday complete.
constexpr auto kSchedule14 = expand<55>({
    kNone, only(HaAzinu), kNone, kNone, {Bereshit, Metzora}, kNone, {AchreiMot, Pinchas},
    only(MatotMasei), {Devarim, KiTavo}, only(NitzavimVayeilech)});
// Leap, Saturday, complete, in the diaspora (e.g. 5760).
constexpr auto kSchedule15 = expand<55>({
    kNone, only(HaAzinu), kNone, kNone, {Bereshit, Metzora}, kNone, {AchreiMot, Bamidbar}, kNone,
    {Nasso, Korach}, only(ChukatBalak), only(Pinchas), only(MatotMasei), {Devarim, KiTavo},
    only(NitzavimVayeilech)});
// clang-format on

constexpr std::array<PortionSchedule, 16> kSchedules = {
    PortionSchedule{}, kSchedule1,  kSchedule2,  kSchedule3, kSchedule4,  kSchedule5,
    kSchedule6,        kSchedule7,  kSchedule8,  kSchedule9, kSchedule10, kSchedule11,
    kSchedule12,       kSchedule13, kSchedule14, kSchedule15};

// Which schedule a year reads, by its leap status, the weekday of 1 Tishri and its length class.
struct ScheduleChoice {
  bool leap;
  int32_t tishriWeekday;
  YearLengthClass lengthClass;
  int32_t diaspora;
  int32_t israel;
};

constexpr ScheduleChoice kScheduleChoices[] = {
    {false, Monday, Deficient, 1, 1},    {false, Monday, Complete, 2, 1},
    {false, Tuesday, Regular, 2, 1},     {false, Thursday, Regular, 3, 4},
    {false, Thursday, Complete, 5, 5},   {false, Saturday, Deficient, 6, 6},
    {false, Saturday, Complete, 7, 7},   {true, Monday, Deficient, 8, 9},
    {true, Monday, Complete, 10, 11},    {true, Tuesday, Regular, 10, 11},
    {true, Thursday, Deficient, 12, 12}, {true, Thursday, Complete, 13, 13},
    {true, Saturday, Deficient, 14, 14}, {true, Saturday, Complete, 15, 14},
};

std::optional<int32_t> chooseSchedule(const CalendarDay& day, int32_t tishriWeekday) {
  const bool leap = day.isHebrewLeapYear(0);
  const YearLengthClass lengthClass = yearLengthClass(day);
  for (const ScheduleChoice& choice : kScheduleChoices) {
    if (choice.leap == leap && choice.tishriWeekday == tishriWeekday &&
        choice.lengthClass == lengthClass) {
      return day.inIsrael() ? choice.israel : choice.diaspora;
    }
  }
  return std::nullopt;
}

}  // namespace

PortionSchedule portionSchedule(int32_t number) {
  if (number < 1 || number > 15) return {};
  return kSchedules[number];
}

YearLengthClass yearLengthClass(const CalendarDay& day) {
  const bool longHeshvan = day.isLongHeshvan();
  const bool shortKislev = day.isShortKislev();
  if (longHeshvan && !shortKislev) return Complete;
  if (shortKislev && !longHeshvan) return Deficient;
  return Regular;
}

std::optional<int32_t> portionScheduleNumber(const CalendarDay& day) {
  return chooseSchedule(day, weekdayOf(day.hebrewToAbsolute(Tishri, 1, 0)));
}

std::optional<std::string_view> weeklyPortion(const CalendarDay& day) {
  if (day.dayOfWeek() != Saturday) return std::nullopt;
  const AbsoluteDay tishri = day.hebrewToAbsolute(Tishri, 1, 0);
  const int32_t tishriWeekday = weekdayOf(tishri);
  const std::optional<int32_t> number = chooseSchedule(day, tishriWeekday);
  if (!number) return std::nullopt;
  // Saturdays counted from the first one on or after 1 Tishri.
  const auto week =
      static_cast<std::size_t>((day.absoluteDay() - tishri - (7 - tishriWeekday)) / 7);
  const PortionSchedule schedule = portionSchedule(*number);
  if (week >= schedule.size() || schedule[week] < 0) return std::nullopt;
  const PortionName& name = portionNames[static_cast<std::size_t>(schedule[week])];
  return day.ashkenaziNames() ? name.ashkenazi : name.sephardi;
}

}  // namespace tevorin
