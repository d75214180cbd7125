// The distributions of Boost.Math as the tables and the simulation use them:
// in double throughout, far more than a Single result keeps, and an argument
// without an answer gives a value (infinity, NaN), never an exception; the
// noncentral t's series still throws far from 0, where rechazoT answers
// without it.
#pragma once

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

namespace rectaviva::distribuciones {

namespace bm = boost::math;
using Politica = bm::policies::policy<bm::policies::promote_double<false>,
                                      bm::policies::domain_error<bm::policies::ignore_error>,
                                      bm::policies::overflow_error<bm::policies::ignore_error>>;
using T = bm::students_t_distribution<double, Politica>;
using Normal = bm::normal_distribution<double, Politica>;
using ChiCuadrado = bm::chi_squared_distribution<double, Politica>;
// The t statistic of a test whose null hypothesis is false: its noncentrality
// is the true effect over the estimator's standard error.
using TNoCentral = bm::non_central_t_distribution<double, Politica>;

} // namespace rectaviva::distribuciones
