// Conversions between the Gregorian calendar, the fixed Hebrew calendar and the running day count,
// and the steps of one day; Gregorian rules as reformed in 1582, applied to every year.
#include "calendar/calendar_day.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <string_view>

namespace tevorin {

namespace {

// The Hebrew count of hebrewElapsedDays puts 1 Tishri of year 1 on day 1; that day is AbsoluteDay
// -1373427 (7 October 3761 BCE, proleptic Julian), so the two counts differ by this much.
constexpr int32_t kHebrewEpochShift = 1373429;

// Hebrew years that hold every day of the Gregorian years kMinSafeYear..kMaxSafeYear.
constexpr int32_t kMinSafeHebrewYear = 3761;
constexpr int32_t kMaxSafeHebrewYear = 13760;
constexpr AbsoluteDay kFirstSafeDay = 1;
// 31 December kMaxSafeYear: 365 days a year plus the leap days of 9999 years.
constexpr AbsoluteDay kLastSafeDay =
    365 * kMaxSafeYear + kMaxSafeYear / 4 - kMaxSafeYear / 100 + kMaxSafeYear / 400;

constexpr std::array<std::string_view, 13> kGregorianMonthNames = {
    "Null month", "January", "February",  "March",   "April",    "May",     "June",
    "July",       "August",  "September", "October", "November", "December"};
constexpr std::array<std::string_view, 14> kHebrewMonthNames = {
    "Null month", "Nisan",   "Iyar",   "Sivan", "Tammuz", "Av",   "Elul",
    "Tishri",     "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar II"};
constexpr std::array<std::string_view, 8> kWeekdayNames = {
    "Null Day", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

constexpr AbsoluteDay tishriFirst(int32_t year) {
  return hebrewElapsedDays(year) + 1 - kHebrewEpochShift;
}

// The shape of one Hebrew year: what every month length depends on, computed once.
struct HebrewYearShape {
  int32_t length;

  explicit constexpr HebrewYearShape(int32_t year) : length(daysInHebrewYear(year)) {}

  constexpr int32_t lastMonth() const { return length > 380 ? AdarII : Adar; }
  constexpr int32_t monthLength(int32_t month) const {
    return hebrewMonthLengthInYearOf(month, length);
  }
};

// Days of a Hebrew year before the given day of the given month, counted from 1 Tishri.
constexpr int32_t hebrewDayOfYear(int32_t month, int32_t day, const HebrewYearShape& shape) {
  int32_t sum = day;
  if (month < Tishri) {
    for (int32_t m = Tishri; m <= shape.lastMonth(); ++m) sum += shape.monthLength(m);
    for (int32_t m = Nisan; m < month; ++m) sum += shape.monthLength(m);
  } else {
    for (int32_t m = Tishri; m < month; ++m) sum += shape.monthLength(m);
  }
  return sum;
}

// Days before each Gregorian month of a common year.
constexpr std::array<int32_t, 13> kDaysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                      181, 212, 243, 273, 304, 334};

constexpr AbsoluteDay gregorianAbsolute(int32_t month, int32_t day, int32_t year) {
  int32_t dayOfYear = day;
  if (month > 12) {
    // Months past December count as 31 days each, as the month length does.
    dayOfYear += 365 + (isGregorianLeapYear(year) ? 1 : 0) + 31 * (month - 13);
  } else if (month > 1) {
    dayOfYear += kDaysBeforeMonth[month] + (month > 2 && isGregorianLeapYear(year) ? 1 : 0);
  }
  const int32_t before = year - 1;
  return 365 * before + dayOfYear + before / 4 - before / 100 + before / 400;
}

}  // namespace

std::string_view gregorianMonthNameOf(int32_t month) {
  return kGregorianMonthNames[static_cast<std::size_t>(std::clamp(month, 0, 12))];
}

GregorianDate todayLocalDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

CalendarDay::CalendarDay(int32_t gregorianMonth, int32_t gregorianDay, int32_t gregorianYear,
                         bool ashkenaziNames, bool inIsrael)
    : inIsrael_(inIsrael), ashkenaziNames_(ashkenaziNames) {
  setGregorian(gregorianMonth, gregorianDay, gregorianYear);
}

void CalendarDay::setGregorian(int32_t month, int32_t day, int32_t year) {
  if (month == 0 || day == 0 || year == 0) {
    const GregorianDate today = todayLocalDate();
    if (month == 0) month = today.month;
    if (day == 0) day = today.day;
    if (year == 0) year = today.year;
  }
  gregorianYear_ = std::clamp(year, kMinSafeYear, kMaxSafeYear);
  gregorianMonth_ = std::clamp(month, 1, 12);
  gregorianDay_ = std::clamp(day, 1, gregorianMonthLength(gregorianMonth_));
  absoluteDay_ = gregorianToAbsolute(gregorianMonth_, gregorianDay_, gregorianYear_);
  absoluteToHebrew();
  dayOfWeek_ = weekdayOf(absoluteDay_);
}

void CalendarDay::setHebrew(int32_t month, int32_t day, int32_t year) {
  if (month != 0) hebrewMonth_ = month;
  if (day != 0) hebrewDay_ = day;
  if (year != 0) hebrewYear_ = year;
  hebrewYear_ = std::clamp(hebrewYear_, kMinSafeHebrewYear, kMaxSafeHebrewYear);
  const HebrewYearShape shape(hebrewYear_);
  hebrewMonth_ = std::clamp(hebrewMonth_, 1, shape.lastMonth());
  hebrewDay_ = std::clamp(hebrewDay_, 1, shape.monthLength(hebrewMonth_));
  const AbsoluteDay absolute = hebrewToAbsolute(hebrewMonth_, hebrewDay_, hebrewYear_);
  absoluteDay_ = std::clamp(absolute, kFirstSafeDay, kLastSafeDay);
  if (absoluteDay_ != absolute) absoluteToHebrew();
  absoluteToGregorian();
  dayOfWeek_ = weekdayOf(absoluteDay_);
}

CalendarDay& CalendarDay::nextDay() {
  // Every month has at least 28 (Gregorian) or 29 (Hebrew) days, so most steps need no length.
  if (gregorianDay_ < 28 || gregorianDay_ < gregorianMonthLength(gregorianMonth_)) {
    ++gregorianDay_;
  } else {
    gregorianDay_ = 1;
    if (gregorianMonth_ == 12) {
      gregorianMonth_ = 1;
      ++gregorianYear_;
    } else {
      ++gregorianMonth_;
    }
  }

  if (hebrewDay_ < 29 || hebrewDay_ < hebrewMonthLength(hebrewMonth_)) {
    ++hebrewDay_;
  } else {
    hebrewDay_ = 1;
    if (hebrewMonth_ == Elul) {
      hebrewMonth_ = Tishri;
      ++hebrewYear_;
    } else if (hebrewMonth_ == monthsInHebrewYear()) {
      hebrewMonth_ = Nisan;
    } else {
      ++hebrewMonth_;
    }
  }

  dayOfWeek_ = dayOfWeek_ == Saturday ? Sunday : dayOfWeek_ + 1;
  ++absoluteDay_;
  return *this;
}

CalendarDay& CalendarDay::previousDay() {
  if (gregorianDay_ > 1) {
    --gregorianDay_;
  } else {
    if (gregorianMonth_ == 1) {
      gregorianMonth_ = 12;
      --gregorianYear_;
    } else {
      --gregorianMonth_;
    }
    gregorianDay_ = gregorianMonthLength(gregorianMonth_);
  }

  if (hebrewDay_ > 1) {
    --hebrewDay_;
  } else {
    if (hebrewMonth_ == Nisan) {
      hebrewMonth_ = monthsInHebrewYear();
    } else if (hebrewMonth_ == Tishri) {
      hebrewMonth_ = Elul;
      --hebrewYear_;
    } else {
      --hebrewMonth_;
    }
    hebrewDay_ = hebrewMonthLength(hebrewMonth_);
  }

  dayOfWeek_ = dayOfWeek_ == Sunday ? Saturday : dayOfWeek_ - 1;
  --absoluteDay_;
  return *this;
}

std::string CalendarDay::gregorianMonthName() const {
  return std::string(kGregorianMonthNames[gregorianMonth_]);
}

std::string CalendarDay::hebrewMonthName() const {
  if (hebrewMonth_ == Adar && tevorin::isHebrewLeapYear(hebrewYear_)) return "Adar I";
  return std::string(kHebrewMonthNames[hebrewMonth_]);
}

std::string CalendarDay::weekdayName() const {
  return std::string(kWeekdayNames[dayOfWeek_]);
}

int32_t CalendarDay::gregorianMonthLength(int32_t month) const {
  return daysInGregorianMonth(month == 0 ? gregorianMonth_ : month, gregorianYear_);
}

AbsoluteDay CalendarDay::gregorianToAbsolute(int32_t month, int32_t day, int32_t year) const {
  return gregorianAbsolute(month == 0 ? gregorianMonth_ : month, day,
                           year == 0 ? gregorianYear_ : year);
}

void CalendarDay::absoluteToGregorian() {
  // A year is at most 366 days long, so this start is never above the answer.
  int32_t year = absoluteDay_ / 366;
  while (absoluteDay_ >= gregorianAbsolute(1, 1, year + 1)) ++year;
  int32_t month = 1;
  while (absoluteDay_ > gregorianAbsolute(month, daysInGregorianMonth(month, year), year)) ++month;
  gregorianYear_ = year;
  gregorianMonth_ = month;
  gregorianDay_ = absoluteDay_ - gregorianAbsolute(month, 1, year) + 1;
}

bool CalendarDay::isHebrewLeapYear(int32_t year) const {
  return tevorin::isHebrewLeapYear(year == 0 ? hebrewYear_ : year);
}

int32_t CalendarDay::monthsInHebrewYear() const {
  return tevorin::monthsInHebrewYear(hebrewYear_);
}

int32_t CalendarDay::hebrewElapsedDays(int32_t year) const {
  return tevorin::hebrewElapsedDays(year == 0 ? hebrewYear_ : year);
}

int32_t CalendarDay::daysInHebrewYear() const {
  return tevorin::daysInHebrewYear(hebrewYear_);
}

bool CalendarDay::isLongHeshvan() const {
  return daysInHebrewYear() % 10 == 5;
}

bool CalendarDay::isShortKislev() const {
  return daysInHebrewYear() % 10 == 3;
}

int32_t CalendarDay::hebrewMonthLength(int32_t month) const {
  return tevorin::hebrewMonthLength(month == 0 ? hebrewMonth_ : month, hebrewYear_);
}

AbsoluteDay CalendarDay::hebrewToAbsolute(int32_t month, int32_t day, int32_t year) const {
  if (year == 0) year = hebrewYear_;
  const HebrewYearShape shape(year);
  return hebrewDayOfYear(month == 0 ? hebrewMonth_ : month, day, shape) +
         tevorin::hebrewElapsedDays(year) - kHebrewEpochShift;
}

void CalendarDay::absoluteToHebrew() {
  // Start from the mean year length with a margin for the leap months and postponements (at most
  // about 32 days off the mean), so the start is never above the answer and one or two steps
  // remain. 365.25 days is longer than the mean Hebrew year, which keeps the estimate low as well.
  const int64_t sinceEpoch = int64_t{absoluteDay_} - tishriFirst(1);
  int32_t year = sinceEpoch > 40 ? static_cast<int32_t>((sinceEpoch - 40) * 4 / 1461) + 1 : 1;
  while (absoluteDay_ >= tishriFirst(year + 1)) ++year;

  const HebrewYearShape shape(year);
  int32_t dayOfYear = absoluteDay_ - tishriFirst(year);
  int32_t month = Tishri;
  while (dayOfYear >= shape.monthLength(month)) {
    dayOfYear -= shape.monthLength(month);
    month = month == shape.lastMonth() ? Nisan : month + 1;
  }
  hebrewYear_ = year;
  hebrewMonth_ = month;
  hebrewDay_ = dayOfYear + 1;
}

}  // namespace tevorin
