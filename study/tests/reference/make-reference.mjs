// Makes fsrs6-reference.csv: what ts-fsrs 5.4.2 (FSRS-6, its default parameters) gives after
// every review of a few sequences of grades and delays, so that the scheduler is checked
// against an implementation that is not its own.
//
// Run it from a folder outside the repository (node resolves ts-fsrs from the script's folder):
//   cp make-reference.mjs /tmp/fsrs-ref/ && cd /tmp/fsrs-ref && npm install ts-fsrs@5.4.2
//   node make-reference.mjs > <repository>/study/tests/reference/fsrs6-reference.csv
//
// Fuzz is off. enable_short_term is on: a review on the same day as the previous one takes the
// same-day stability (w17, w18, w19) and a lapse is bounded by S / exp(w17 * w18), as FSRS-6
// is published. The cards go through ts-fsrs's own scheduler (f.next), which counts the days
// between two reviews as whole UTC calendar days; the delay column says what time passed, the
// elapsed_days column the days the scheduler counted. The interval is ts-fsrs's next_interval
// (rounded, at least 1 day, at most 36500), without the learning steps or the order it keeps
// between the Hard, Good and Easy intervals of one review.
import { createEmptyCard, fsrs, FSRSVersion } from 'ts-fsrs';

const A = 1, H = 2, G = 3, E = 4;
const DUE = 'due';  // a delay of the interval the previous review gave

// Each sequence: its name, its start (UTC), the desired retention, and its reviews as
// [grade, delay in days since the previous review] (the first review's delay is not read).
const sequences = [
  ['good at every due date', '2024-01-08T09:00:00Z', 0.9,
   [[G, 0], [G, DUE], [G, DUE], [G, DUE], [G, DUE], [G, DUE], [G, DUE], [G, DUE]]],
  ['again first, then good at every due date', '2024-02-12T18:30:00Z', 0.9,
   [[A, 0], [G, 0.02], [G, DUE], [G, DUE], [G, DUE], [G, DUE], [G, DUE]]],
  ['hard first', '2024-03-04T07:15:00Z', 0.9,
   [[H, 0], [H, 1], [G, 2], [H, 5], [G, 9], [E, 20]]],
  ['easy first', '2024-03-11T12:00:00Z', 0.9,
   [[E, 0], [E, DUE], [E, DUE], [E, DUE], [G, DUE], [E, DUE]]],
  ['a run of again the same day', '2024-04-01T10:00:00Z', 0.9,
   [[A, 0], [A, 0.003], [A, 0.004], [A, 0.01], [A, 0.05], [A, 0.1], [G, 0.01], [G, 1]]],
  ['a run of again on following days', '2024-04-15T08:00:00Z', 0.9,
   [[G, 0], [A, 1], [A, 1], [A, 1], [A, 2], [A, 3], [G, 1], [G, DUE], [G, DUE]]],
  ['missed then found the same day, then days apart', '2024-05-06T14:00:00Z', 0.9,
   [[A, 0], [A, 0.01], [G, 0.01], [A, 1], [G, 0.02], [G, 1], [A, 4], [G, 0.01], [G, 2]]],
  ['every grade the same day', '2024-05-20T06:00:00Z', 0.9,
   [[G, 0], [H, 0.01], [E, 0.01], [A, 0.01], [G, 0.01], [E, 0.01], [H, 0.02], [G, 0.02]]],
  ['same-day reviews at a high stability', '2024-06-03T09:00:00Z', 0.9,
   [[E, 0], [E, 15], [E, 60], [G, 0.1], [H, 0.1], [A, 0.1], [E, 0.1], [G, 3]]],
  ['short delays that cross midnight', '2024-06-17T22:00:00Z', 0.9,
   [[G, 0], [G, 0.1], [A, 0.9], [G, 0.05], [G, 1.05], [G, 0.95], [A, 0.2], [G, 1.9]]],
  ['long delays', '2024-07-01T11:00:00Z', 0.9,
   [[G, 0], [G, 30], [G, 365], [G, 1000], [A, 3650], [G, 0.01], [G, 10000]]],
  ['a lapse after a long interval', '2024-07-15T16:00:00Z', 0.9,
   [[G, 0], [G, DUE], [G, DUE], [G, DUE], [G, DUE], [A, DUE], [G, 0.02], [G, DUE], [G, DUE]]],
  ['reviews long before they are due', '2024-08-05T10:00:00Z', 0.9,
   [[G, 0], [G, 1], [G, 1], [G, 1], [G, 1], [G, 1], [G, 1], [G, 1]]],
  ['reviews long after they are due', '2024-08-19T10:00:00Z', 0.9,
   [[G, 0], [G, 40], [G, 200], [H, 700], [E, 1500], [A, 2500], [G, 1]]],
  ['easy up to the longest interval', '2024-09-02T09:00:00Z', 0.9,
   [[E, 0], [E, DUE], [E, DUE], [E, DUE], [E, DUE], [E, DUE], [E, DUE], [E, DUE], [E, DUE],
    [E, DUE], [E, DUE]]],
  ['hard at every due date', '2024-09-16T09:00:00Z', 0.9,
   [[H, 0], [H, DUE], [H, DUE], [H, DUE], [H, DUE], [H, DUE], [H, DUE]]],
  ['alternating again and good', '2024-10-07T19:00:00Z', 0.9,
   [[A, 0], [G, 1], [A, 2], [G, 1], [A, 3], [G, 1], [A, 5], [G, 1], [A, 8], [G, 2]]],
  ['retention 0.80', '2024-10-21T09:00:00Z', 0.80,
   [[G, 0], [G, DUE], [G, DUE], [A, DUE], [G, 0.01], [G, DUE], [E, DUE]]],
  ['retention 0.85', '2024-11-04T09:00:00Z', 0.85,
   [[A, 0], [A, 0.01], [G, 0.01], [G, DUE], [H, DUE], [G, DUE], [G, DUE]]],
  ['retention 0.95', '2024-11-18T09:00:00Z', 0.95,
   [[G, 0], [G, DUE], [G, DUE], [G, DUE], [A, DUE], [G, 0.05], [G, DUE], [G, DUE]]],
  ['retention 0.97', '2024-12-02T09:00:00Z', 0.97,
   [[E, 0], [G, DUE], [G, DUE], [H, DUE], [G, DUE], [G, DUE]]],
  ['retention 0.70', '2024-12-16T09:00:00Z', 0.70,
   [[G, 0], [G, DUE], [G, DUE], [G, DUE], [A, DUE], [A, 0.01], [G, 0.01], [G, DUE]]],
  ['a hard draw missed many times', '2025-01-06T21:00:00Z', 0.9,
   [[A, 0], [A, 0.01], [A, 1], [A, 0.01], [A, 1], [A, 0.01], [A, 1], [G, 0.01], [A, 2], [G, 0.01],
    [G, 3], [G, DUE]]],
  ['a month without reviews, then the review missed', '2025-02-03T08:00:00Z', 0.9,
   [[G, 0], [G, 2], [G, 5], [A, 30], [A, 0.01], [G, 0.01], [G, 1], [G, DUE]]],
  // A low stability forgotten for long: the lapse is bounded by S / exp(w17 * w18).
  ['missed and missed again, then away for months', '2025-02-17T07:30:00Z', 0.9,
   [[A, 0], [A, 0.01], [A, 0.01], [A, 0.01], [A, 365], [G, 0.01], [A, 30], [A, 200], [G, 1]]],
];

const day = 24 * 60 * 60 * 1000;
const fix = (x) => x.toFixed(10);

console.log(`# ${FSRSVersion}, default parameters, fuzz off, short-term on; made by make-reference.mjs`);
console.log('sequence,retention,time,grade,delay_days,elapsed_days,retrievability,stability,difficulty,interval_days');
sequences.forEach(([name, start, retention, reviews], index) => {
  const f = fsrs({ request_retention: retention, enable_fuzz: false, enable_short_term: true });
  let card = createEmptyCard(new Date(start));
  let now = new Date(start);
  let interval = 0;
  console.log(`# ${index + 1}: ${name}`);
  reviews.forEach(([grade, delay], review) => {
    const days = review === 0 ? 0 : (delay === DUE ? interval : delay);
    now = new Date(now.getTime() + Math.round(days * day / 1000) * 1000);
    // The recall probability the review meets (1 at the first review, where no memory is).
    const before = card.state === 0 ? null : card;
    const { card: after, log } = f.next(card, now, grade);
    const r = before === null ? 1 : f.forgetting_curve(log.elapsed_days, before.stability);
    interval = f.next_interval(after.stability, log.elapsed_days);
    console.log([index + 1, retention, now.getTime() / 1000, grade, days, log.elapsed_days, fix(r),
                 fix(after.stability), fix(after.difficulty), interval].join(','));
    card = after;
  });
});
