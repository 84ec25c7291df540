# The wizard's toolkit-free logic: application, sheet, pages, control captions.
corvane_core_library(corvane_wizard
    ControlCaptions.cpp
    FileFilters.cpp
    OperationGuide.cpp
    OutputPathDisplay.cpp
    CCorvaneApp.cpp
    CVdWizSheet.cpp
    CVdWizPage1.cpp
    CVdWizPage2.cpp
    CVdWizPage3.cpp
    CVdWizPage301.cpp
    CVdWizPage31.cpp
    CVdWizPage4.cpp)
target_link_libraries(corvane_wizard PUBLIC corvane_platform corvane_fileio corvane_text)
if(TARGET corvane_jobsteps)
    target_link_libraries(corvane_wizard PUBLIC corvane_jobsteps)
endif()
if(TARGET corvane_itemdialog)
    target_link_libraries(corvane_wizard PUBLIC corvane_itemdialog)
endif()
