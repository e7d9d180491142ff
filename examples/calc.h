/* A small unit under test: integer arithmetic with saturation, and a few
 * statistics over a table of samples. */
#ifndef CALC_H
#define CALC_H

#define CALC_MAX 1000
#define CALC_SAMPLES 4

struct calc_stats {
    int minimum;
    int maximum;
    double mean;
};

/* The unit's state: the samples it works on and what it computed. */
extern int calc_samples[CALC_SAMPLES];
extern struct calc_stats calc_last_stats;
extern char calc_verdict[16];

int calc_add(int a, int b);
int calc_scale(int value, int factor);
/* Fills calc_last_stats from calc_samples and names the spread in
 * calc_verdict ("flat", "narrow" or "wide"); returns the mean. */
double calc_summarise(void);
/* Clamps every sample into [-limit, limit]. */
void calc_clamp(int limit);

#endif
