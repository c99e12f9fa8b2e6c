// Reads data sets from standard input and prints the fit of each, so that an
// independent least-squares computation can check CZoqStats.
//   input, one data set per line:  model n x1 .. xn y1 .. yn
//   output, one line per data set: a b r   (17 significant digits)
#include "regression/ZoqStats.h"

#include <cstdio>

int main() {
    int model = 0, count = 0;
    while (std::scanf("%d %d", &model, &count) == 2) {
        CZoqStats stats;
        stats.SetModel(model);
        double value = 0.0;
        for (int i = 0; i < 2 * count; ++i) {
            if (std::scanf("%lf", &value) != 1) {
                return 2;
            }
            i < count ? stats.AppendX(value) : stats.AppendY(value);
        }
        if (!stats.Fit()) {
            return 3;
        }
        std::printf("%.17g %.17g %.17g\n", stats.GetIntercept(), stats.GetSlope(),
                    stats.GetCorrelation());
    }
    return 0;
}
