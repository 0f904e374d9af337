# Runs one fuzz target from its committed seeds: new inputs go to a scratch folder emptied first,
# and a fixed seed keeps the run repeatable.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${FUZZER} -seed=1 -runs=${RUNS} -max_len=4096 -timeout=10 -print_final_stats=1
                        ${SCRATCH} ${CORPUS}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "fuzz target failed (${result})")
endif()
