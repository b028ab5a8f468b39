# SPDX-License-Identifier: GPL-3.0-or-later
# For GTKWave: shows the motor example's signals over the whole run.
#   gtkwave -S docs/gtkwave_motor.tcl motor.vcd
gtkwave::addSignalsFromList [list rungbox.in0 rungbox.in1 rungbox.out0 rungbox.out1 \
    rungbox.tim0_done {rungbox.tim0[15:0]}]
gtkwave::/Time/Zoom/Zoom_Full
