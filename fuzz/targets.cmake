# Entry points fed by the fuzzer and replayed over their corpus by CTest.
set(OV_FUZZ_TARGETS
    fuzz_hextext
    fuzz_timeticks
    fuzz_datetime
    fuzz_numlist
    fuzz_arithmetic
    fuzz_logic
    fuzz_valuefromvb
    fuzz_decodeindex
)
