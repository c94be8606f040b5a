# The control API for tests and apstool, exported after the NIOC_ functions.
list(APPEND molvex_exports
     MolvexSim_Reset:0 MolvexSim_Notify:8 MolvexSim_ReadTrace:16 MolvexSim_ClearTrace:0)
