# The wizard's toolkit-free logic: application, sheet, pages, control captions.
corvane_core_library(corvane_wizard
    ControlCaptions.cpp)
target_link_libraries(corvane_wizard PUBLIC corvane_platform)
