#pragma once

// Well-known guitar and ukulele voicings with the fingers chord books print for them, shared by
// the tests of the finger assignment and of the voicing ranking.

#include <vector>

namespace guivarna::theory::book_shapes {

// A shape as chord books print it, low string first, one character a string: x not played,
// 0 - 9 a fret relative to the base fret (open strings only in shapes with base 0). The fingers
// are printed the same way: x, 0 open, 1 - 4.
struct BookShape {
    const char* name;
    const char* frets;
    const char* fingers;
    int lowestBase;  // 0 for an open shape; a movable shape is taken at every base in
    int highestBase;  // lowestBase..highestBase
};

// Open chords and their common seventh, suspended and added-note forms.
inline const std::vector<BookShape> kGuitarOpen = {
    {"C", "x32010", "x32010", 0, 0},
    {"A", "x02220", "x01230", 0, 0},
    {"G", "320003", "210003", 0, 0},
    {"G with the B string", "320033", "210034", 0, 0},
    {"E", "022100", "023100", 0, 0},
    {"D", "xx0232", "xx0132", 0, 0},
    {"Am", "x02210", "x02310", 0, 0},
    {"Em", "022000", "023000", 0, 0},
    {"Dm", "xx0231", "xx0231", 0, 0},
    {"C7", "x32310", "x32410", 0, 0},
    {"A7", "x02020", "x02030", 0, 0},
    {"D7", "xx0212", "xx0213", 0, 0},
    {"E7", "020100", "020100", 0, 0},
    {"E7 with the B string", "022130", "023140", 0, 0},
    {"G7", "320001", "320001", 0, 0},
    {"B7", "x21202", "x21304", 0, 0},
    {"Am7", "x02010", "x02010", 0, 0},
    {"Dm7", "xx0211", "xx0211", 0, 0},
    {"Em7", "022033", "012034", 0, 0},
    {"Cmaj7", "x32000", "x32000", 0, 0},
    {"Fmaj7", "xx3210", "xx3210", 0, 0},
    {"Fmaj7 with the A string", "x33210", "x34210", 0, 0},
    {"Amaj7", "x02120", "x02130", 0, 0},
    {"Dsus4", "xx0233", "xx0134", 0, 0},
    {"Dsus2", "xx0230", "xx0130", 0, 0},
    {"Cadd9", "x32033", "x21034", 0, 0},
    {"C/G", "332010", "342010", 0, 0},
    {"small F", "xx3211", "xx3211", 0, 0},
};

// Movable shapes, taken up the neck from the first fret.
inline const std::vector<BookShape> kGuitarMovable = {
    {"E-form major", "022100", "134211", 1, 9},
    {"E-form minor", "022000", "134111", 1, 9},
    {"E-form 7", "020100", "131211", 1, 9},
    {"E-form m7", "020000", "131111", 1, 9},
    {"E-form 7 with the little finger", "020130", "131241", 1, 9},
    {"E-form 9", "020102", "131214", 1, 9},
    {"A-form minor", "x02210", "x13421", 1, 9},
    {"A-form 7", "x02020", "x13141", 1, 9},
    {"A-form m7", "x02010", "x13121", 1, 9},
    {"A-form maj7", "x02120", "x13241", 1, 9},
    {"C-form major", "x32010", "x43121", 1, 9},
    {"m7b5, root on the A string", "x0101x", "x1324x", 1, 9},
    {"m7b5, root on the low E string", "1x110x", "2x341x", 1, 9},
    {"maj7, root on the A string", "x0212x", "x1324x", 1, 9},
    {"dim7, root on the A string", "x1202x", "x2314x", 1, 9},
    {"dim7 on the top four strings", "xx0101", "xx1324", 1, 9},
    {"power chord, root on the low E string", "022xxx", "134xxx", 1, 9},
    {"power chord, root on the A string", "x022xx", "x134xx", 1, 9},
    {"fifth, root on the low E string", "02xxxx", "13xxxx", 1, 9},
    // The forms of the published shapes quoted for the three conventions: the index barres
    // the lowest fret with higher strings between, a barre lies across a muted string, and
    // three strings at one fret above the barre take three fingers.
    {"A-form major", "x02220", "x12341", 1, 9},
    {"A-form major with the low E string", "002220", "112341", 1, 9},
    {"dim7, root on the low E string", "1x010x", "2x131x", 1, 9},
    {"E-form 6", "0x2120", "1x3241", 1, 9},
};

// Ukulele (G C E A), string 4 first.
inline const std::vector<BookShape> kUkuleleOpen = {
    {"C", "0003", "0003", 0, 0},
    {"Am", "2000", "2000", 0, 0},
    {"F", "2010", "2010", 0, 0},
    {"G", "0232", "0132", 0, 0},
    {"D", "2220", "1230", 0, 0},
    {"Em", "0432", "0321", 0, 0},
    {"A", "2100", "2100", 0, 0},
    {"Dm", "2210", "2310", 0, 0},
    {"E7", "1202", "1203", 0, 0},
    {"G7", "0212", "0213", 0, 0},
    {"C7", "0001", "0001", 0, 0},
    {"A7", "0100", "0100", 0, 0},
    {"F7", "2313", "2314", 0, 0},
    {"Cmaj7", "0002", "0002", 0, 0},
    {"Gm", "0231", "0231", 0, 0},
    {"Dm7", "2213", "2314", 0, 0},
    {"Fm", "1013", "1024", 0, 0},
    {"F#m", "2120", "2130", 0, 0},
};

inline const std::vector<BookShape> kUkuleleMovable = {
    {"Bb-form major", "2100", "3211", 1, 7},
    {"Bm-form minor", "2000", "3111", 1, 7},
    {"Bb7-form", "0100", "1211", 1, 7},
    {"C-form major", "0003", "1114", 1, 7},
    // As the published A 6454 of the conventions quoted above: little finger on the G string.
    {"F-form major", "2010", "4121", 1, 7},
    {"sus4 over the fifth", "0013", "1124", 1, 7},
    {"m7 barre", "0000", "1111", 1, 7},
};

}  // namespace guivarna::theory::book_shapes
