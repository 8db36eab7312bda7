// Apparent geocentric positions of the Sun and the Moon from libnova (VSOP87 and
// ELP 2000-82B), and the instants of new moons and solar terms found from them.
// Instants are Julian Dates in Terrestrial Time (JDE) unless a name says UT.
#pragma once

namespace lunisolar {

// Apparent ecliptic longitudes of date, degrees in [0, 360).
double SunApparentLongitude(double jde);
double MoonApparentLongitude(double jde);

// Difference TT - UT in seconds for a JDE (Espenak-Meeus polynomials, 1700-2150).
double DeltaTSeconds(double jde);
double UtFromTt(double jde);

// The new moon (conjunction in apparent longitude) nearest to the guess.
double NewMoonNear(double jdeGuess);

// The instant near the guess (within about 20 days) when the Sun's apparent
// longitude equals the target (degrees).
double SolarLongitudeNear(double targetDegrees, double jdeGuess);

// Equation of time (apparent minus mean solar time) in days.
double EquationOfTimeDays(double jde);

// Mean new moon number k of the Meeus series: k = 0 is the new moon of 2000-01-06.
double MeanNewMoonJde(double k);

} // namespace lunisolar
