// The platform's functions are written once, as rows of an X-macro list per
// interface in its header:
//
//   X(return type, name, (shape, type, parameter)...)             C functions
//   X(class, return type, name, (shape, type, parameter)...)      C++ members
//
// The headers declare the functions from their rows; the stand-in, the
// recorder and the test platform are expanded from the same rows. A shape
// says how the call notation shows an argument and what the stand-in does
// with it:
//
//   in         a value the caller passes (a text in quotes)
//   hex        a value shown in hexadecimal
//   picture    the picture an output control call addresses (0)
//   flag       1 for a commit and every read, 0 for a preview
//   index      a value that selects one of several settings
//   component  the colour component of a white balance point
//   out        an out-parameter: "out", and its value after the call
//   buffer     a text buffer the call fills: "buffer", and its text
//   handle, criteria, callback, data   shown as that word (or null)
#pragma once

#define PLATFORM_CAT(a, b) PLATFORM_CAT_(a, b)
#define PLATFORM_CAT_(a, b) a##b
#define PLATFORM_COMMA() ,
#define PLATFORM_NOTHING()

// Applies m to each (shape, type, parameter), separated by sep(); m is
// called with the unpacked triple, which every preprocessor expands (the
// static analysers' too).
// clang-format off
#define PLATFORM_UNPACK_(...) __VA_ARGS__
#define PLATFORM_CALL_(m, ...) m(__VA_ARGS__)
#define PLATFORM_COUNT(...) PLATFORM_COUNT_(_, ##__VA_ARGS__, 7, 6, 5, 4, 3, 2, 1, 0)
#define PLATFORM_COUNT_(_, a, b, c, d, e, f, g, n, ...) n
#define PLATFORM_EACH(m, sep, ...) \
    PLATFORM_CAT(PLATFORM_EACH_, PLATFORM_COUNT(__VA_ARGS__))(m, sep, ##__VA_ARGS__)
#define PLATFORM_EACH_0(m, sep)
#define PLATFORM_EACH_1(m, sep, a) PLATFORM_CALL_(m, PLATFORM_UNPACK_ a)
#define PLATFORM_EACH_2(m, sep, a, ...) PLATFORM_CALL_(m, PLATFORM_UNPACK_ a) sep() PLATFORM_EACH_1(m, sep, __VA_ARGS__)
#define PLATFORM_EACH_3(m, sep, a, ...) PLATFORM_CALL_(m, PLATFORM_UNPACK_ a) sep() PLATFORM_EACH_2(m, sep, __VA_ARGS__)
#define PLATFORM_EACH_4(m, sep, a, ...) PLATFORM_CALL_(m, PLATFORM_UNPACK_ a) sep() PLATFORM_EACH_3(m, sep, __VA_ARGS__)
#define PLATFORM_EACH_5(m, sep, a, ...) PLATFORM_CALL_(m, PLATFORM_UNPACK_ a) sep() PLATFORM_EACH_4(m, sep, __VA_ARGS__)
#define PLATFORM_EACH_6(m, sep, a, ...) PLATFORM_CALL_(m, PLATFORM_UNPACK_ a) sep() PLATFORM_EACH_5(m, sep, __VA_ARGS__)
#define PLATFORM_EACH_7(m, sep, a, ...) PLATFORM_CALL_(m, PLATFORM_UNPACK_ a) sep() PLATFORM_EACH_6(m, sep, __VA_ARGS__)
// clang-format on

#define PLATFORM_PARAM_(shape, type, name) type name
#define PLATFORM_TYPE_(shape, type, name) type
#define PLATFORM_ARG_(shape, type, name) name
// "int picture, int *value, int flag", "int, int *, int" and "picture, value, flag".
#define PLATFORM_PARAMS(...) PLATFORM_EACH(PLATFORM_PARAM_, PLATFORM_COMMA, ##__VA_ARGS__)
#define PLATFORM_TYPES(...) PLATFORM_EACH(PLATFORM_TYPE_, PLATFORM_COMMA, ##__VA_ARGS__)
#define PLATFORM_ARGS(...) PLATFORM_EACH(PLATFORM_ARG_, PLATFORM_COMMA, ##__VA_ARGS__)

// The declarations the headers make of their rows.
#define PLATFORM_DECLARE(ret, name, ...) ret name(PLATFORM_PARAMS(__VA_ARGS__));
#define PLATFORM_DECLARE_STATIC(cls, ret, name, ...) static ret name(PLATFORM_PARAMS(__VA_ARGS__));
#define PLATFORM_DECLARE_MEMBER(cls, ret, name, ...) ret name(PLATFORM_PARAMS(__VA_ARGS__));
#define PLATFORM_DECLARE_VIRTUAL(cls, ret, name, ...)                                              \
    virtual ret name(PLATFORM_PARAMS(__VA_ARGS__)) = 0;
