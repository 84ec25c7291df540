# Runs corvane-bench on 20 and 50 employees and a batch of 3 companies of 5, one run each, and checks its
# exit status and that each figure is there with a plausible value.
file(REMOVE_RECURSE "${DIR}")
execute_process(COMMAND "${BENCH}" --employees 20 --employees 50 --companies 3 --company-employees 5 --runs 1 --dir "${DIR}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "corvane-bench exited with ${status}: ${err}")
endif()

set(number "[0-9]+\\.[0-9]+")
foreach(n 20 50)
    set(line "result employees=${n} input_bytes=([1-9][0-9]*) output_bytes=([1-9][0-9]*) wall_s=${number} peak_rss_bytes=[1-9][0-9]* floor_s=${number} time_over_floor=${number} memory_over_input=${number}")
    if(NOT out MATCHES "${line}")
        message(FATAL_ERROR "no complete result line for ${n} employees")
    endif()
    set(output_${n} "${CMAKE_MATCH_2}")
endforeach()
if(NOT output_50 GREATER output_20)
    message(FATAL_ERROR "the output for 50 employees (${output_50} bytes) is not larger than for 20 (${output_20})")
endif()

foreach(pattern
        "conversion +wall ${number} s \\(${number} \\.\\. ${number}\\), peak RSS ${number} MiB"
        "I/O floor +${number} s .*: read ${number} s, write \\+ fsync \\+ rename ${number} s"
        "conversion CPU +${number} s \\(${number} \\.\\. ${number}\\) \\(user \\+ system\\), [0-9]+ fsync"
        "growth 50 / 20: employees x2\\.50, input x${number}, time x${number}, peak memory x${number}"
        "result batch companies=3 employees=5 one_job_s=${number} default_jobs_s=${number} floor_s=${number} one_job_over_floor=${number} default_over_floor=${number}"
        "default_over_floor=${number} one_job_cpu_s=${number} default_cpu_s=${number} one_job_fsyncs_per_company=${number} default_fsyncs_per_company=${number}"
        "CPU \\(user \\+ system\\) +--jobs 1: ${number} s .*, ${number} ms per company; default: ${number} s"
        "fsync per company +--jobs 1: ${number}, default: ${number}"
        "identification checks, one file of the 50-employee set"
        "CheckEmployeeList\\(employees\\.txt\\): ${number} ms .* result 1"
        "CheckSalaryFile\\(employees\\.txt, salary-01\\.txt\\): ${number} ms .* result 1"
        "CheckBonusFile\\(employees\\.txt, bonus-1\\.txt\\): ${number} ms .* result 1")
    if(NOT out MATCHES "${pattern}")
        message(FATAL_ERROR "missing from the output: ${pattern}")
    endif()
endforeach()
if(EXISTS "${DIR}")
    message(FATAL_ERROR "the generated files were left in ${DIR}")
endif()
