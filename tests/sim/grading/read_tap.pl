#!/usr/bin/perl
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a TAP report with TAP::Parser and prints what it understood, one line per test point
# ("N ok|not ok DESCRIPTION") and one per YAML diagnostic ("  key: value", keys sorted), then
# the plan. Fails on anything TAP::Parser finds wrong: a bad plan, a version other than 13,
# lines it cannot read.
use strict;
use warnings;
use TAP::Parser;

my $parser = TAP::Parser->new({ source => $ARGV[0] });
my $bad = 0;
while (my $result = $parser->next) {
    if ($result->is_test) {
        printf "%d %s %s\n", $result->number, ($result->is_ok ? 'ok' : 'not ok'), $result->description;
    } elsif ($result->is_yaml) {
        my $data = $result->data;
        print "  $_: $data->{$_}\n" for sort keys %$data;
    } elsif ($result->is_unknown) {
        print STDERR "not TAP: ", $result->as_string, "\n";
        $bad = 1;
    }
}
die "version ", $parser->version, ", not 13\n" unless $parser->version == 13;
die "parse errors: ", join('; ', $parser->parse_errors), "\n" if $parser->parse_errors;
printf "plan %s, %d passed, %d failed\n", $parser->plan, scalar($parser->passed), scalar($parser->failed);
exit $bad;
