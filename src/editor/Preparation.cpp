// Written in the next step.
